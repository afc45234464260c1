#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "run_cli.h"

namespace nakkas::test {
namespace {

// The catalogue's order, names and texts are the core's snippet tests; here their printing.
TEST(SnippetCli, ListGivesElementTabLabelPerLine) {
    const CliHome home;
    const auto r = home.run({"snippet", "--list"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(r.err.empty());
    EXPECT_TRUE(
        r.out.starts_with("KPBtn01\tTam Ekran\nKPBtn02\tYatay Dikey\nKPBtn04\tİvme Sensör\n"));
    EXPECT_NE(r.out.find("\nKP_BARKOD\tYazıtipi Değiştirme\n"), std::string::npos);
    EXPECT_TRUE(r.out.ends_with("\nKP_INTERNETEBAGLIMIYIM\tİnternete Bağlımıyım\n"));
    EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 21);
    EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\t'), 21);
    EXPECT_EQ(r.out.find('\r'), std::string::npos);
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
    EXPECT_EQ(home.run({"snippet", "KPBtn114"}).out, r.out);

    // A text that ends with its own line break keeps exactly that one.
    const auto font = home.run({"snippet", "KP_BARKOD"});
    ASSERT_EQ(font.status, 0);
    EXPECT_TRUE(font.out.ends_with("\r\ntextVeiw1.setTypeface(YTipi); \r\n"));
    // A label with Turkish letters is found as well.
    const auto sensor = home.run({"snippet", "İvme Sensör"});
    EXPECT_EQ(sensor.status, 0);
    EXPECT_EQ(sensor.out, home.run({"snippet", "KPBtn04"}).out);
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
