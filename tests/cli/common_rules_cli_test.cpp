// The rules every command shares: argument checks, option parsing and checked output.
#include <gtest/gtest.h>

#include <sstream>

#include "run_cli.h"

namespace nakkas::test {
namespace {

// The command names as "--help" lists them, so that a command added later is covered too.
std::vector<std::string> commandNames(const CliHome& home) {
    std::istringstream help(home.run({"--help"}).out);
    std::vector<std::string> names;
    std::string line;
    bool inList = false;
    while (std::getline(help, line)) {
        if (line == "Komutlar:") {
            inList = true;
        } else if (inList && line.empty()) {
            break;
        } else if (inList) {
            std::istringstream row(line);
            names.emplace_back();
            row >> names.back();
        }
    }
    return names;
}

TEST(CommonRulesCli, EveryCommandRefusesExtraArgumentsAlike) {
    CliHome home;
    const std::vector<std::string> names = commandNames(home);
    ASSERT_GE(names.size(), 4u);
    for (const std::string& name : names) {
        std::vector<std::string> args{name};
        args.insert(args.end(), 9, "fazla");
        const CliResult r = home.run(args);
        EXPECT_EQ(r.status, 2) << name;
        EXPECT_EQ(r.out, "") << name;
        EXPECT_NE(r.err.find("fazladan argüman: fazla"), std::string::npos) << name << r.err;
    }
    for (const std::string option : {"--version", "--help"}) {
        const CliResult r = home.run({option, "fazla"});
        EXPECT_EQ(r.status, 2) << option;
        EXPECT_EQ(r.out, "") << option;
        EXPECT_NE(r.err.find("fazladan argüman: fazla"), std::string::npos) << option;
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
    const std::vector<std::string> bad{
        "\xff",              // never in UTF-8
        "ab\xc3",            // cut short
        "\xc0\xaf",          // overlong "/"
        "\xed\xa0\x80",      // a surrogate half
        "\xf4\x90\x80\x80",  // past U+10FFFF
    };
    for (const std::string& b : bad) {
        for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
                 {"snippet", b}, {"object", "Button", "--var", b}, {b}, {"banner", "--" + b}}) {
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

TEST(CommonRulesCli, OutputThatCannotBeWrittenIsAFailure) {
    CliHome home;
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {"banner"}, {"snippet", "--list"}, {"--version"}, {"defaults"}}) {
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
    std::ifstream statusFile(status);
    int exitStatus = -1;
    statusFile >> exitStatus;
    EXPECT_EQ(exitStatus, 1);
    std::ifstream errFile(err);
    const std::string errText{std::istreambuf_iterator<char>(errFile), {}};
    EXPECT_NE(errText.find("çıktı yazılamadı"), std::string::npos) << errText;
}

}  // namespace
}  // namespace nakkas::test
