#include <gtest/gtest.h>

#include <tuple>

#include "expected_files.h"
#include "run_cli.h"

namespace nakkas::test {
namespace {

using Args = std::vector<std::string>;

TEST(ObjectCli, PrintsTheGeneratedTextWhole) {
    CliHome home;
    // As generated, with no line break added.
    const std::pair<Args, std::string> cases[] = {
        {{"object", "Toggle", "--access=--Boş--", "--var=t", "--no-listener"},
         " ToggleButton t = (ToggleButton) findViewById(R.id.toggleButton1);\r\n"},
        {{"object", "Button", "--var", "button_degisken1"}, readDataCrLf("objects/Button.txt")},
        {{"object", "Spinner", "--var=spinner_degisken1", "--item", "a", "--item=b c"},
         readDataCrLf("objects/Spinner.txt")},
    };
    for (const auto& [args, expected] : cases) {
        const CliResult r = home.run(args);
        EXPECT_EQ(r.status, 0) << r.err;
        EXPECT_TRUE(sameText(r.out, expected)) << args[1];
    }
}

// The list wizard's refusals exit 1, usage errors 2.
TEST(ObjectCli, RefusalsPrintNothing) {
    CliHome home;
    const std::string once = "bir kez verilebilir";  // whichever form each use takes
    const std::tuple<int, std::string, Args> cases[] = {
        {1, "Listede hiç eleman yok....", {"object", "Spinner"}},
        {1,
         "Yazı kutusu boş, listeye eklenecek elemanı yazın",
         {"object", "ListView", "--item", "a", "--item", ""}},
        {2, "tabhost", {"object", "TabHost"}},
        {2, "", {"object"}},
        {2, "", {"object", "ListBox"}},
        {2, "", {"object", "Button", "--access", "Final"}},
        {2, "", {"object", "Button", "--item", "a"}},
        {2, once, {"object", "Button", "--var", "a", "--var=b"}},
        {2, once, {"object", "Button", "--id=a", "--id=a"}},
        {2, once, {"object", "Button", "--access", "final", "--access", "public"}}};
    for (const auto& [status, message, args] : cases) {
        const CliResult r = home.run(args);
        EXPECT_EQ(r.status, status) << args.back();
        EXPECT_EQ(r.out, "") << args.back();
        EXPECT_NE(r.err.find(message), std::string::npos) << r.err;
    }
}

}  // namespace
}  // namespace nakkas::test
