#include <benchmark/benchmark.h>

#include "app/defaults.h"
#include "platform/services.h"
#include "tools/sqlite_tool/sqlite_tool.h"

namespace {

using namespace nakkas;

// A desktop that answers at once: Yes to questions, a fixed path to the save dialog, and a
// disk that keeps the last file in memory.
class QuietServices : public Services {
public:
    std::string lastFile;
    MessageAnswer messageBox(const std::string&, const std::string&, MessageIcon,
                             MessageButtons b) override {
        return b == MessageButtons::Ok ? MessageAnswer::Ok : MessageAnswer::Yes;
    }
    std::optional<std::string> readString(const std::string&, const std::string&) override {
        return std::nullopt;
    }
    void writeString(const std::string&, const std::string&, const std::string&) override {}
    int readInt(const std::string&, int fallback) override { return fallback; }
    void writeInt(const std::string&, int) override {}
    bool commitSettings() override { return true; }
    std::string settingsLocation() const override { return {}; }
    void openDesktop(const std::string&) override {}
    void setClipboardText(const std::string&) override {}
    std::string clipboardText() override { return {}; }
    std::optional<std::string> saveFileDialog(const std::string&, const std::string&,
                                              const std::string&, const std::string&) override {
        return "/tmp/DatabaseHelper.java";
    }
    std::optional<OpenedFile> openFileDialog(const std::string&, const std::string&) override {
        return std::nullopt;
    }
    std::optional<std::string> folderDialog(const std::string&) override { return std::nullopt; }
    bool pathExists(const std::string&) override { return false; }
    bool createFolder(const std::string&) override { return true; }
    bool copyFileNoOverwrite(const std::string&, const std::string&) override { return true; }
    bool moveFolderToTrash(const std::string&) override { return true; }
    bool writeFile(const std::string&, const std::string& bytes) override {
        lastFile = bytes;
        return true;
    }
    bool startNewInstance() override { return false; }
};

// A full table: a key and 98 other columns with long names and every flag.
void fillTable(SqliteTool& tool) {
    tool.clickPrimaryKey(true);
    tool.chooseNewType(0);
    tool.columnName = "kayit_numarasi";
    tool.addColumn();
    for (int i = 1; i < 99; ++i) {
        tool.chooseNewType(std::size_t(i % 12));
        tool.columnName = "ogrenci_bilgisi_sutunu_" + std::to_string(i);
        tool.notNullBox = i % 2 == 0;
        tool.uniqueBox = i % 3 == 0;
        tool.addColumn();
    }
}

// The save press for 99 columns: class text, SQLite's check of the table, the file bytes.
void SaveHelperFor99Columns(benchmark::State& state) {
    QuietServices services;
    Defaults defaults = Defaults::factory();
    SqliteTool tool(services, defaults);
    fillTable(tool);
    for (auto _ : state) {
        if (!tool.save().ok()) state.SkipWithError("save failed");
        benchmark::DoNotOptimize(services.lastFile.data());
    }
    state.SetLabel(std::to_string(services.lastFile.size()) + " bytes");
}
BENCHMARK(SaveHelperFor99Columns)->Unit(benchmark::kMicrosecond);

// Every group pressed once per column of the full table, then the compile step.
void CompileAllGroups(benchmark::State& state) {
    QuietServices services;
    Defaults defaults = Defaults::factory();
    SqliteTool tool(services, defaults);
    fillTable(tool);
    using G = RecordCommands::Group;
    for (auto _ : state) {
        RecordCommands& rc = tool.commands;
        for (const G g : {G::Insert, G::Update, G::Show}) {
            rc.reset(g);
            for (const Column& c : tool.columns()) {
                rc.chooseColumn(g, c.name);
                rc.group(g).variable = "editText_" + c.name;
                tool.pressCommand(g);
            }
            rc.setIncluded(g, true);
        }
        tool.pressCommand(G::Delete);
        rc.setIncluded(G::Delete, true);
        rc.countRecords = true;
        tool.compile();
        benchmark::DoNotOptimize(tool.resultText().data());
    }
    state.SetLabel(std::to_string(tool.resultText().size()) + " bytes");
}
BENCHMARK(CompileAllGroups)->Unit(benchmark::kMicrosecond);

}  // namespace
