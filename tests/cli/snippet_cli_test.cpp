#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "run_cli.h"

namespace nakkas::test {
namespace {

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> out;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) out.push_back(line);
    return out;
}

TEST(SnippetCli, ListGivesElementTabLabelPerLine) {
    const CliHome home;
    const auto r = home.run({"snippet", "--list"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(r.err.empty());
    EXPECT_EQ(r.out.find('\r'), std::string::npos);
    ASSERT_TRUE(r.out.ends_with("\n"));
    const auto rows = lines(r.out);
    ASSERT_EQ(rows.size(), 21u);
    EXPECT_EQ(rows.front(), "KPBtn01\tTam Ekran");
    EXPECT_EQ(rows[2], "KPBtn04\tİvme Sensör");
    EXPECT_EQ(rows[16], "KP_BARKOD\tYazıtipi Değiştirme");
    EXPECT_EQ(rows.back(), "KP_INTERNETEBAGLIMIYIM\tİnternete Bağlımıyım");
    for (const auto& row : rows) {
        const auto tab = row.find('\t');
        ASSERT_NE(tab, std::string::npos) << row;
        EXPECT_GT(tab, 0u) << row;
        EXPECT_EQ(row.find('\t', tab + 1), std::string::npos) << row;
        EXPECT_LT(tab + 1, row.size()) << row;
    }
}

TEST(SnippetCli, EveryListedSnippetPrintsTheSameBytesByElementAndByLabel) {
    const CliHome home;
    for (const auto& row : lines(home.run({"snippet", "--list"}).out)) {
        const auto tab = row.find('\t');
        const auto byElement = home.run({"snippet", row.substr(0, tab)});
        const auto byLabel = home.run({"snippet", row.substr(tab + 1)});
        SCOPED_TRACE(row);
        EXPECT_EQ(byElement.status, 0);
        EXPECT_EQ(byLabel.status, 0);
        EXPECT_FALSE(byElement.out.empty());
        EXPECT_EQ(byElement.out, byLabel.out);
    }
}

TEST(SnippetCli, PrintsTheTextWithCrLfAndNothingAdded) {
    const CliHome home;
    const auto r = home.run({"snippet", "Ekran Boyu"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out,
              "int Yukseklik, Genislik;\r\n"
              "DisplayMetrics EkranCozunurlugu = new DisplayMetrics();\r\n"
              "getWindowManager().getDefaultDisplay().getMetrics(EkranCozunurlugu);\r\n"
              "Yukseklik = EkranCozunurlugu.heightPixels;\r\n"
              "Genislik = EkranCozunurlugu.widthPixels;");

    // A text that ends with its own line break keeps exactly that one.
    const auto font = home.run({"snippet", "KP_BARKOD"});
    ASSERT_EQ(font.status, 0);
    EXPECT_TRUE(font.out.ends_with("textVeiw1.setTypeface(YTipi); \r\n"));
    EXPECT_FALSE(font.out.ends_with("\r\n\r\n"));
    EXPECT_FALSE(font.out.ends_with("\r\n\n"));
}

TEST(SnippetCli, UsageErrors) {
    const CliHome home;
    for (const std::vector<std::string>& args : {std::vector<std::string>{"snippet"},
                                                 {"snippet", "Barkod"},
                                                 {"snippet", "tam ekran"},
                                                 {"snippet", "KPBtn01", "KPBtn02"},
                                                 {"snippet", "--all"}}) {
        const auto r = home.run(args);
        SCOPED_TRACE(args.size() > 1 ? args[1] : "(none)");
        EXPECT_EQ(r.status, 2);
        EXPECT_TRUE(r.out.empty());
        EXPECT_FALSE(r.err.empty());
    }
}

}  // namespace
}  // namespace nakkas::test
