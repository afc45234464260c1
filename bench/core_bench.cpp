#include <benchmark/benchmark.h>

#include "definer/code_panel.h"
#include "definer/object_generator.h"
#include "definer/widget_catalogue.h"

namespace {

// Each entry in each language: Kotlin must cost no more than Java.
void GenerateObject(benchmark::State& state) {
    const auto entry = nakkas::widgetCatalogue()[size_t(state.range(0))];
    const auto language = nakkas::kLanguages[state.range(1)];
    nakkas::GeneratorInput input;
    input.language = language;
    input.access = "final";
    input.variableName = "nesne1";
    input.idName = "nesne1";
    input.listItemText = "\"Elma\", \"Armut\", \"Kiraz\"";
    for (auto _ : state) benchmark::DoNotOptimize(nakkas::generateObjectText(entry.typeKey, input));
    state.SetLabel(std::string(entry.label) + " " + std::string(nakkas::languageName(language)));
}

void EveryEntry(benchmark::internal::Benchmark* b) {
    const auto catalogue = nakkas::widgetCatalogue();
    for (size_t i = 0; i < catalogue.size(); ++i)
        if (catalogue[i].typeKey != "tabHost")
            for (int64_t language = 0; language < 2; ++language) b->Args({int64_t(i), language});
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
