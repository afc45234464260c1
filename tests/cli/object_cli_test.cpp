#include <gtest/gtest.h>

#include <tuple>

#include "cli_runner.h"
#include "expected_files.h"

namespace nakkas::test {
namespace {

using Args = std::vector<std::string>;

TEST(ObjectCli, PrintsTheGeneratedTextWhole) {
    // As generated, with no line break added.
    const std::pair<Args, std::string> cases[] = {
        {{"object", "Toggle", "--access=--Boş--", "--var=t", "--no-listener"},
         " ToggleButton t = (ToggleButton) findViewById(R.id.toggleButton1);\r\n"},
        {{"object", "Button", "--var", "button_degisken1"}, readDataCrLf("objects/Button.txt")},
        {{"object", "Spinner", "--var=spinner_degisken1", "--item", "a", "--item=b c"},
         readDataCrLf("objects/Spinner.txt")},
        {{"object", "Spinner", "--lang", "kotlin", "--var=spinner_degisken1", "--item", "a",
          "--item=b c"},
         readDataCrLf("kotlin/objects/Spinner.kt")},
        {{"object", "ListView", "--lang=kotlin", "--access", "private", "--var", "list_degisken1",
          "--item", "Ali \"Veli\"", "--item", "C:\\yol", "--item", "$fiyat TL", "--item", "${x}",
          "--item", "Şeker"},
         readDataCrLf("kotlin/objects/ListView_kacis.kt")},
    };
    for (const auto& [args, expected] : cases) {
        const CliRun r = runCli(args);
        EXPECT_EQ(r.status, 0) << r.err;
        EXPECT_TRUE(sameText(r.out, expected)) << args[1];
    }
}

TEST(ObjectCli, TheListWizardsRefusalsExitOne) {
    const std::pair<std::string, Args> cases[] = {
        {"Listede hiç eleman yok....", {"object", "Spinner"}},
        {"Yazı kutusu boş, listeye eklenecek elemanı yazın",
         {"object", "ListView", "--item", "a", "--item", ""}},
    };
    for (const auto& [message, args] : cases) {
        FakeServices services;
        const CliRun r = runCli(services, args);
        EXPECT_EQ(r.status, 1) << args.back();
        EXPECT_EQ(r.out, "") << args.back();
        EXPECT_EQ(services.lastMessage().text, message);
    }
}

TEST(ObjectCli, MistakesAreUsageErrors) {
    const std::string once = "bir kez verilebilir";  // whichever form each use takes
    const std::pair<std::string, Args> cases[] = {
        {"\"nakkas-cli tabhost\"", {"object", "TabHost"}},
        {"bir nesne etiketi gerekli", {"object"}},
        {"bilinmeyen nesne: ListBox", {"object", "ListBox"}},
        {"bilinmeyen erişim belirteci: Final", {"object", "Button", "--access", "Final"}},
        {"--item yalnızca", {"object", "Button", "--item", "a"}},
        {once, {"object", "Button", "--var", "a", "--var=b"}},
        {once, {"object", "Button", "--id=a", "--id=a"}},
        {once, {"object", "Button", "--access", "final", "--access", "public"}}};
    for (const auto& [message, args] : cases) {
        const CliRun r = runCli(args);
        EXPECT_EQ(r.status, 2) << args.back();
        EXPECT_EQ(r.out, "") << args.back();
        EXPECT_NE(r.err.find(message), std::string::npos) << r.err;
    }
}

}  // namespace
}  // namespace nakkas::test
