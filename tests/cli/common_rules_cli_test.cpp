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

TEST(CommonRulesCli, ArgumentsThatAreNotUtf8AreRefusedUnechoed) {
    // Never in UTF-8, cut short, an overlong "/", a surrogate half, past U+10FFFF.
    for (const std::string b : {"\xff", "ab\xc3", "\xc0\xaf", "\xed\xa0\x80", "\xf4\x90\x80\x80"}) {
        for (const Args& args : {Args{"snippet", b}, Args{"object", "Button", "--var", b}, Args{b},
                                 Args{"banner", "--" + b}}) {
            const CliRun r = runCli(args);
            const std::string place = std::to_string(args.size());
            EXPECT_EQ(r.status, 2) << place;
            EXPECT_EQ(r.out, "") << place;
            EXPECT_EQ(r.err,
                      "nakkas-cli: " + place +
                          ". argüman geçerli UTF-8 değil\n(kullanım için: nakkas-cli --help)\n");
        }
    }
    const CliRun r = runCli({"object", "Button", "--no-listener", "--var", "ağaç_𝄞"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "final Button ağaç_𝄞 = (Button) findViewById(R.id.button1);\r\n");
}

// A crafted argument must not retitle or clear the terminal its usage error is shown on.
TEST(CommonRulesCli, ControlCharactersAreEchoedVisibly) {
    const std::pair<Args, std::string> cases[] = {
        {{"ko\x1b]0;ad\x07mut"}, "nakkas-cli: bilinmeyen komut: ko\\e]0;ad\\amut\n"},
        {{"banner", "--x\x1b[2J"}, "nakkas-cli banner: bilinmeyen seçenek: --x\\e[2J\n"},
        {{"--version", "\t\x7f\xc2\x9b"},
         "nakkas-cli --version: fazladan argüman: \\x09\\x7F\\xC2\\x9B\n"},
        {{"layout", "a.xml", "--style", "\r\x01"},
         "nakkas-cli layout: bilinmeyen ad biçimi: \\x0D\\x01\n"},
        {{"snippet", "x\x1b]0;ad\x07"},
         "nakkas-cli snippet: bilinmeyen kod parçası: x\\e]0;ad\\a\n"},
    };
    for (const auto& [args, line] : cases) {
        const CliRun r = runCli(args);
        EXPECT_EQ(r.status, 2) << line;
        EXPECT_EQ(r.err.substr(0, r.err.find('\n') + 1), line);
    }
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
