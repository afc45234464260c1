// The rules every command shares: argument checks, option parsing and checked output.
#include <gtest/gtest.h>

#include <regex>

#include "run_cli.h"

namespace nakkas::test {
namespace {

using Args = std::vector<std::string>;

TEST(CommonRulesCli, EveryCommandRefusesExtraArgumentsAlike) {
    CliHome home;
    // The command names as "--help" lists them, so that a command added later is covered too.
    const std::string help = home.run({"--help"}).out;
    const std::regex row("\n  ([a-z-]+)  ");
    std::vector<Args> runs{{"--version", "fazla"}, {"--help", "fazla"}};
    for (std::sregex_iterator it(help.begin(), help.end(), row), end; it != end; ++it) {
        runs.push_back({(*it)[1]});
        runs.back().insert(runs.back().end(), 9, "fazla");
    }
    ASSERT_GE(runs.size(), 6u);
    for (const Args& args : runs) {
        const CliResult r = home.run(args);
        EXPECT_EQ(r.status, 2) << args[0];
        EXPECT_EQ(r.out, "") << args[0];
        EXPECT_NE(r.err.find("fazladan argüman: fazla"), std::string::npos) << args[0] << r.err;
    }
}

TEST(CommonRulesCli, OptionValuesStartingWithDashesOnlyAfterEquals) {
    CliHome home;
    CliResult r = home.run({"object", "Button", "--no-listener", "--var", "--id", "x"});
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.out, "");
    EXPECT_NE(r.err.find("--var için değer eksik"), std::string::npos) << r.err;
    EXPECT_EQ(home.run({"object", "Button", "--var"}).status, 2);

    r = home.run({"object", "Button", "--no-listener", "--var=--id", "--access=--Boş--"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, " Button --id = (Button) findViewById(R.id.button1);\r\n");

    // After "--" an argument that looks like an option is an operand.
    r = home.run({"object", "--no-listener", "--", "Button"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "final Button button1 = (Button) findViewById(R.id.button1);\r\n");
    r = home.run({"object", "Button", "--", "--no-listener"});
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("fazladan argüman: --no-listener"), std::string::npos) << r.err;
}

TEST(CommonRulesCli, ArgumentsThatAreNotUtf8AreRefusedUnechoed) {
    CliHome home;
    // Never in UTF-8, cut short, an overlong "/", a surrogate half, past U+10FFFF.
    for (const std::string b : {"\xff", "ab\xc3", "\xc0\xaf", "\xed\xa0\x80", "\xf4\x90\x80\x80"}) {
        for (const Args& args : {Args{"snippet", b}, Args{"object", "Button", "--var", b}, Args{b},
                                 Args{"banner", "--" + b}}) {
            const CliResult r = home.run(args);
            EXPECT_EQ(r.status, 2) << args.size();
            EXPECT_EQ(r.out, "");
            EXPECT_NE(r.err.find("UTF-8"), std::string::npos);
            EXPECT_EQ(r.err.find(b), std::string::npos);
        }
    }
    const CliResult r = home.run({"object", "Button", "--no-listener", "--var", "ağaç_𝄞"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "final Button ağaç_𝄞 = (Button) findViewById(R.id.button1);\r\n");
}

// A crafted argument must not retitle or clear the terminal its usage error is shown on.
TEST(CommonRulesCli, ControlCharactersAreEchoedVisibly) {
    CliHome home;
    const std::pair<Args, std::string> cases[] = {
        {{"ko\x1b]0;ad\x07mut"}, "nakkas-cli: bilinmeyen komut: ko\\e]0;ad\\amut\n"},
        {{"banner", "--x\x1b[2J"}, "nakkas-cli banner: bilinmeyen seçenek: --x\\e[2J\n"},
        {{"--version", "\t\x7f\xc2\x9b"},
         "nakkas-cli --version: fazladan argüman: \\x09\\x7F\\xC2\\x9B\n"},
        {{"layout", "a.xml", "--style", "\r\x01"},
         "nakkas-cli layout: bilinmeyen ad biçimi: \\x0D\\x01\n"},
    };
    for (const auto& [args, line] : cases) {
        const CliResult r = home.run(args);
        EXPECT_EQ(r.status, 2);
        EXPECT_EQ(r.err.substr(0, r.err.find('\n') + 1), line);
    }
    // Messages keep their line breaks; what came from the user is shown visibly.
    const CliResult r = home.run({"layout", "/yok/\x1b[31m.xml"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "Layout dosyası okunamadı: /yok/\\e[31m.xml\n");
}

TEST(CommonRulesCli, OutputThatCannotBeWrittenIsAFailure) {
    CliHome home;
    for (const Args& args :
         {Args{"banner"}, Args{"snippet", "--list"}, Args{"--version"}, Args{"defaults"}}) {
        const CliResult r = home.runTo("/dev/full", args);
        EXPECT_EQ(r.status, 1) << args[0];
        EXPECT_NE(r.err.find("çıktı yazılamadı"), std::string::npos) << args[0];
    }

    // A reader that is already gone: the program must say so, not die of the broken pipe.
    const auto status = home.dir() / "status";
    const auto err = home.dir() / "err";
    const std::string script = "{ sleep 0.3; " + home.command({"snippet", "--list"}) + " 2>'" +
                               err.string() + "'; echo $? >'" + status.string() + "'; } | true";
    ASSERT_EQ(std::system(script.c_str()), 0);
    EXPECT_EQ(CliHome::slurp(status), "1\n");
    EXPECT_NE(CliHome::slurp(err).find("çıktı yazılamadı"), std::string::npos);
}

}  // namespace
}  // namespace nakkas::test
