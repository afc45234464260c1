#include <benchmark/benchmark.h>

#include "app/defaults.h"
#include "quiet_services.h"
#include "tools/sqlite_tool/sqlite_tool.h"

namespace {

using namespace nakkas;
using bench::QuietServices;

// Each figure is taken for Java (argument 0) and Kotlin (argument 1).
SqliteTool makeTool(QuietServices& services, SqliteToolState& state, const benchmark::State& run) {
    const Defaults defaults = Defaults::factory();
    state.version = defaults.VTVersiyon;
    return SqliteTool(services, state, {defaults.TabloAdi, defaults.Veritabani, defaults.PaketAdi},
                      kLanguages[run.range(0)]);
}

// A full table: a key and 98 other columns with long names and every flag.
void fillTable(SqliteTool& tool) {
    tool.setPrimaryKeyBox(true);
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
    SqliteToolState toolState;
    SqliteTool tool = makeTool(services, toolState, state);
    fillTable(tool);
    for (auto _ : state) {
        if (!tool.save().ok()) state.SkipWithError("save failed");
        benchmark::DoNotOptimize(services.lastFile.data());
    }
    state.SetLabel(std::to_string(services.lastFile.size()) + " bytes");
}
BENCHMARK(SaveHelperFor99Columns)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// Every group pressed once per column of the full table, then the compile step.
void CompileAllGroups(benchmark::State& state) {
    QuietServices services;
    SqliteToolState toolState;
    SqliteTool tool = makeTool(services, toolState, state);
    fillTable(tool);
    using G = RecordCommands::Group;
    for (auto _ : state) {
        RecordCommands& rc = tool.commands;
        for (const G g : {G::Insert, G::Update, G::Show}) {
            rc.reset(g);
            for (const Column& c : tool.columns()) {
                rc.chooseColumn(g, c.name);
                rc.setVariable(g, "editText_" + c.name);
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
BENCHMARK(CompileAllGroups)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// 20,000 presses of the insert group's "Ekle ve Oluştur >>", then the compile step: each press
// adds its own lines, so the run grows with the presses, not with their square.
void Press20000Times(benchmark::State& state) {
    QuietServices services;
    SqliteToolState toolState;
    SqliteTool tool = makeTool(services, toolState, state);
    fillTable(tool);
    using G = RecordCommands::Group;
    for (auto _ : state) {
        RecordCommands& rc = tool.commands;
        rc.reset(G::Insert);
        for (int i = 0; i < 20000; ++i) {
            const Column& c = tool.columns()[std::size_t(i) % tool.columns().size()];
            rc.chooseColumn(G::Insert, c.name);
            rc.setVariable(G::Insert, "editText_" + std::to_string(i));
            tool.pressCommand(G::Insert);
        }
        rc.setIncluded(G::Insert, true);
        tool.compile();
        benchmark::DoNotOptimize(tool.resultText().data());
    }
    state.SetLabel(std::to_string(tool.resultText().size()) + " bytes");
}
BENCHMARK(Press20000Times)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
