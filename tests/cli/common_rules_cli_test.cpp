// The rules every command shares: argument checks and option parsing.
#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "cli.h"
#include "cli_runner.h"

namespace nakkas::test {
namespace {

// Every registered command, so that one added later is covered too, and the two bare options.
TEST(CommonRulesCli, EveryCommandRefusesExtraArgumentsAlike) {
    std::vector<std::string> names{"--version", "--help"};
    for (const cli::CommandSpec* command : cli::commands()) names.emplace_back(command->name);
    ASSERT_GE(names.size(), 8u);
    for (const std::string& name : names) {
        Args args{name};
        args.insert(args.end(), 9, "fazla");
        const CliRun r = runCli(args);
        const std::string help = name.starts_with("--") ? "--help" : name + " --help";
        EXPECT_EQ(r.status, 2) << name;
        EXPECT_EQ(r.out, "") << name;
        EXPECT_EQ(r.err, "nakkas-cli " + name + ": fazladan argüman: fazla\n(kullanım için: " +
                             "nakkas-cli " + help + ")\n");
    }
}

// With no command, or one it does not know, the program lists the commands on standard error.
TEST(CommonRulesCli, UnknownCommandsAndOptionsAreUsageErrors) {
    const std::string help = runCli({"--help"}).out;
    ASSERT_TRUE(help.starts_with("Kullanım: nakkas-cli KOMUT [SEÇENEKLER]\n")) << help;
    const std::pair<Args, std::string> cases[] = {
        {{}, help},
        {{"varsayilanlar"}, "nakkas-cli: bilinmeyen komut: varsayilanlar\n" + help},
        {{"defaults", "--bogus"},
         "nakkas-cli defaults: bilinmeyen seçenek: --bogus\nKullanım: nakkas-cli defaults\n"
         "  Değerlerdeki CR, LF ve ters bölü \\r, \\n ve \\\\ olarak yazılır.\n"},
    };
    for (const auto& [args, err] : cases) {
        const CliRun r = runCli(args);
        EXPECT_EQ(r.status, 2);
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(r.err, err);
    }
}

// A forgotten value cannot swallow the next option: a value that starts with "--" is taken only
// after "=". After "--" every argument is a plain one.
TEST(CommonRulesCli, DashesMarkAnOptionUnlessAfterEqualsOrAfterDoubleDash) {
    const std::tuple<const char*, int, std::string, std::string> cases[] = {
        {"object Button --no-listener --var --id x", 2, "",
         "nakkas-cli object: --var için değer eksik (\"--\" ile başlayan bir değer --var=DEĞER "
         "biçiminde verilir)\nKullanım: nakkas-cli object"},
        {"object Button --var", 2, "", "nakkas-cli object: --var için değer eksik"},
        {"object Button --no-listener --var=--id --access=--Boş--", 0,
         " Button --id = (Button) findViewById(R.id.button1);\r\n", ""},
        {"object --no-listener -- Button", 0,
         "final Button button1 = (Button) findViewById(R.id.button1);\r\n", ""},
        {"object Button -- --no-listener", 2, "",
         "nakkas-cli object: fazladan argüman: --no-listener\n"},
    };
    for (const auto& [line, status, out, err] : cases) {
        SCOPED_TRACE(line);
        const CliRun r = runCli(words(line));
        EXPECT_EQ(r.status, status);
        EXPECT_EQ(r.out, out);
        EXPECT_TRUE(r.err.starts_with(err)) << r.err;
    }
}

// Bytes that are not UTF-8 are never echoed, and control characters are shown as escapes so
// that a crafted argument cannot retitle or clear the terminal. Every byte and every place an
// argument can stand is the command-line fuzz target's; here the two messages.
TEST(CommonRulesCli, ArgumentsAreEchoedOnlyAsVisibleUtf8) {
    const CliRun broken = runCli({"object", "Button", "--var", "\xed\xa0\x80"});
    EXPECT_EQ(broken.status, 2);
    EXPECT_EQ(broken.err,
              "nakkas-cli: 4. argüman geçerli UTF-8 değil\n(kullanım için: nakkas-cli --help)\n");
    const CliRun steering = runCli({"layout", "a.xml", "--style", "\x1b]0;ad\x07\t\x7f\xc2\x9b"});
    EXPECT_EQ(steering.status, 2);
    EXPECT_TRUE(steering.err.starts_with(
        "nakkas-cli layout: bilinmeyen ad biçimi: \\e]0;ad\\a\\x09\\x7F\\xC2\\x9B\n"))
        << steering.err;
    const CliRun r = runCli({"object", "Button", "--no-listener", "--var", "ağaç_𝄞"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "final Button ağaç_𝄞 = (Button) findViewById(R.id.button1);\r\n");
}

// Every command that writes code takes --lang in both forms and refuses any other language; a
// command that writes none does not take it.
TEST(CommonRulesCli, LangIsTakenByTheGeneratingCommandsOnly) {
    FakeServices services;
    for (const Args& args : {Args{"object", "Button", "--lang", "kotlin"},
                             Args{"object", "Button", "--lang=java"}, Args{"snippet", "--list"}}) {
        EXPECT_EQ(runCli(services, args).status, 0) << args.back();
    }
    const CliRun wrong = runCli(services, {"snippet", "KPBtn01", "--lang", "Kotlin"});
    EXPECT_EQ(wrong.status, 2);
    EXPECT_EQ(wrong.out, "");
    EXPECT_TRUE(
        wrong.err.starts_with("nakkas-cli snippet: --lang java ya da kotlin olmalı: Kotlin\n"))
        << wrong.err;
    EXPECT_EQ(runCli(services, {"defaults", "--lang", "java"}).status, 2);
    EXPECT_EQ(services.readString("Varsayilanlar", "CiktiDili"), std::nullopt);  // never written
}

}  // namespace
}  // namespace nakkas::test
