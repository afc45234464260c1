#include <benchmark/benchmark.h>

#include "definer/code_panel.h"
#include "definer/object_generator.h"
#include "definer/widget_catalogue.h"

namespace {

void GenerateObject(benchmark::State& state) {
    const auto entry = nakkas::widgetCatalogue()[size_t(state.range(0))];
    nakkas::GeneratorInput input;
    input.access = "final";
    input.variableName = "nesne1";
    input.idName = "nesne1";
    input.listItemText = "\"Elma\", \"Armut\", \"Kiraz\"";
    for (auto _ : state) benchmark::DoNotOptimize(nakkas::generateObjectText(entry.typeKey, input));
    state.SetLabel(std::string(entry.label));
}

void EveryEntry(benchmark::internal::Benchmark* b) {
    const auto catalogue = nakkas::widgetCatalogue();
    for (size_t i = 0; i < catalogue.size(); ++i)
        if (catalogue[i].typeKey != "tabHost") b->Arg(int64_t(i));
}
BENCHMARK(GenerateObject)->Apply(EveryEntry);

void StoreAndShowSlot(benchmark::State& state) {
    nakkas::StringPanelText text;
    nakkas::CodePanel panel(text);
    panel.replace(std::string(nakkas::bannerText()));
    for (auto _ : state) {
        panel.store();
        panel.show();
    }
}
BENCHMARK(StoreAndShowSlot);

}  // namespace
