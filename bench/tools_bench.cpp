#include <benchmark/benchmark.h>

#include "tools/dialog_designer/dialog_text.h"
#include "tools/setting_saver/setting_code.h"

namespace {

// Arguments: the dialog type, then the language.
void GenerateDialog(benchmark::State& state) {
    const auto type = nakkas::kDialogTypes[size_t(state.range(0))];
    const auto language = nakkas::kLanguages[size_t(state.range(1))];
    const nakkas::DialogFields fields{"MsgDlgDegiskenim",      "MainActivity", "Başlığı Girin",
                                      "Mesajı buraya yazın",   "Evet",         "Hayır",
                                      "R.drawable.ic_launcher"};
    for (auto _ : state)
        benchmark::DoNotOptimize(nakkas::dialogText(type, fields, "LENGTH_SHORT", language));
    state.SetLabel(std::string(nakkas::dialogTypeName(type)) + " " +
                   std::string(nakkas::languageName(language)));
}
BENCHMARK(GenerateDialog)->ArgsProduct({{0, 1, 2, 3, 4}, {0, 1}});

void GenerateSettingCode(benchmark::State& state) {
    const auto language = nakkas::kLanguages[size_t(state.range(0))];
    const auto& type = nakkas::settingDataTypes()[1];
    const nakkas::SettingInput input{std::string(type.javaType), "MODE_PRIVATE", "DegiskenAdi",
                                     "AnahtarAdi", "ProgramAyarlari"};
    for (auto _ : state) benchmark::DoNotOptimize(nakkas::settingCode(input, type, language));
    state.SetLabel(std::string(nakkas::languageName(language)));
}
BENCHMARK(GenerateSettingCode)->Arg(0)->Arg(1);

}  // namespace
