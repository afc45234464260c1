#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "quiet_services.h"
#include "tools/layout_to_code/layout_to_code.h"

namespace {

namespace fs = std::filesystem;

constexpr int kIncludedFiles = 10;
constexpr int kViewsPerFile = 200;

// A screen that includes ten layouts, each a scrolling column of 200 views with ids, in the mix
// of known widgets, list views and containers a real form has.
class LayoutFolder {
public:
    LayoutFolder() {
        m_dir = fs::temp_directory_path() / ("nakkas-layout-bench-" + std::to_string(::getpid()));
        fs::create_directories(m_dir);
        static constexpr const char* kClasses[] = {
            "TextView", "Button",       "EditText",
            "CheckBox", "ImageView",    "Spinner",
            "SeekBar",  "LinearLayout", "com.ornek.widget.Grafik",
            "RatingBar"};
        std::string main =
            "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<LinearLayout "
            "xmlns:android=\"http://schemas.android.com/apk/res/android\">\n";
        for (int f = 0; f < kIncludedFiles; ++f) {
            const std::string name = "bolum_" + std::to_string(f);
            main += "  <include layout=\"@layout/" + name + "\"/>\n";
            std::string xml =
                "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<ScrollView "
                "xmlns:android=\"http://schemas.android.com/apk/res/android\">\n"
                "<LinearLayout android:orientation=\"vertical\">\n";
            for (int v = 0; v < kViewsPerFile; ++v) {
                const char* cls = kClasses[v % std::size(kClasses)];
                xml += std::string("  <") + cls + "\n      android:id=\"@+id/" + name + "_nesne_" +
                       std::to_string(v) +
                       "\"\n      android:layout_width=\"match_parent\"\n"
                       "      android:layout_height=\"wrap_content\" />\n";
            }
            std::ofstream(m_dir / (name + ".xml")) << xml << "</LinearLayout>\n</ScrollView>\n";
        }
        std::ofstream(m_dir / "ana.xml") << main << "</LinearLayout>\n";
    }
    ~LayoutFolder() { fs::remove_all(m_dir); }
    std::string mainFile() const { return (m_dir / "ana.xml").string(); }

private:
    fs::path m_dir;
};

// Read and turned into text: what "Oluştur" costs for a large screen, files included. In Java,
// and in Kotlin with local views and with member views (which gathers the members apart).
void LayoutToText(benchmark::State& state) {
    const auto language = nakkas::kLanguages[state.range(0)];
    const char* access = state.range(1) ? "private" : "final";
    const LayoutFolder folder;
    std::size_t views = 0;
    for (auto _ : state) {
        nakkas::LayoutScan scan = nakkas::readLayout(folder.mainFile());
        views = scan.views.size();
        const auto rows = nakkas::rowsFor(std::move(scan.views), nakkas::NamingStyle::MPrefix);
        benchmark::DoNotOptimize(nakkas::layoutText(rows, access, true, language));
    }
    state.counters["views"] = double(views);
}
BENCHMARK(LayoutToText)->Args({0, 0})->Args({1, 0})->Args({1, 1})->Unit(benchmark::kMillisecond);

// A layout of 100,000 views read from memory, 5,000 of them unchecked by id as "layout --skip"
// does, and the text of the rest.
void Skip5000Of100000Views(benchmark::State& state) {
    std::string xml =
        "<LinearLayout xmlns:android=\"http://schemas.android.com/apk/res/android\">\n";
    for (int v = 0; v < 100000; ++v)
        xml += "<Button android:id=\"@+id/dugme_" + std::to_string(v) + "\"/>\n";
    xml += "</LinearLayout>\n";
    const nakkas::FileLoader memory = [&xml](const std::string&, const std::string&, std::size_t) {
        return nakkas::LayoutFile{nakkas::LayoutFile::State::Read, xml};
    };
    for (auto _ : state) {
        nakkas::bench::QuietServices services;
        nakkas::LayoutOptions options;
        nakkas::LayoutToCode model(services, options);
        if (!model.open("/bellek/ana.xml", memory).ok()) state.SkipWithError("not read");
        for (int v = 0; v < 100000; v += 20)
            for (const std::size_t row : model.rowsWithId("dugme_" + std::to_string(v)))
                model.setChecked(row, false);
        benchmark::DoNotOptimize(model.text().data());
    }
}
BENCHMARK(Skip5000Of100000Views)->Unit(benchmark::kMillisecond);

}  // namespace
