#include <gtest/gtest.h>

#include "expected_files.h"
#include "run_cli.h"

namespace nakkas::test {
namespace {

TEST(ObjectCli, PrintsTheGeneratedTextAsIs) {
    CliHome home;
    CliResult r = home.run({"object", "TextView", "--no-listener"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "final TextView textView1 = (TextView) findViewById(R.id.textView1);\r\n");

    r = home.run({"object", "Toggle", "--access=--Boş--", "--var=t", "--no-listener"});
    EXPECT_EQ(r.out, " ToggleButton t = (ToggleButton) findViewById(R.id.toggleButton1);\r\n");

    // Whole, with no line break added.
    r = home.run({"object", "Button", "--var", "button_degisken1"});
    EXPECT_TRUE(sameText(r.out, readDataCrLf("objects/Button.txt")));
}

TEST(ObjectCli, ListObjectsTakeTheirItems) {
    CliHome home;
    CliResult r =
        home.run({"object", "Spinner", "--var=spinner_degisken1", "--item", "a", "--item=b c"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(sameText(r.out, readDataCrLf("objects/Spinner.txt")));

    for (const auto& [args, message] :
         std::vector<std::pair<std::vector<std::string>, std::string>>{
             {{"object", "Spinner"}, "Listede hiç eleman yok...."},
             {{"object", "ListView", "--item", "a", "--item", ""},
              "Yazı kutusu boş, listeye eklenecek elemanı yazın"}}) {
        r = home.run(args);
        EXPECT_EQ(r.status, 1) << message;
        EXPECT_EQ(r.out, "");
        EXPECT_NE(r.err.find(message), std::string::npos);
    }
}

TEST(ObjectCli, UsageErrors) {
    CliHome home;
    const CliResult r = home.run({"object", "TabHost"});
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("tabhost"), std::string::npos);
    for (const std::vector<std::string>& args :
         std::vector<std::vector<std::string>>{{"object"},
                                               {"object", "ListBox"},
                                               {"object", "Button", "--access", "Final"},
                                               {"object", "Button", "--item", "a"}})
        EXPECT_EQ(home.run(args).status, 2) << args.back();

    // An option that is not repeatable may appear only once, whichever form each use takes.
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {"object", "Button", "--var", "a", "--var=b"},
             {"object", "Button", "--id=a", "--id=a"},
             {"object", "Button", "--access", "final", "--access", "public"}}) {
        const CliResult twice = home.run(args);
        EXPECT_EQ(twice.status, 2) << args[2];
        EXPECT_EQ(twice.out, "");
        EXPECT_NE(twice.err.find("bir kez verilebilir"), std::string::npos) << twice.err;
    }
}

}  // namespace
}  // namespace nakkas::test
