// The renderers' way of reading a line block: SchoolValue2("Sekcja", "w" + i) for every line,
// each lookup case-insensitive and creating what is missing. Time per element must stay flat
// as the block grows.
#include <benchmark/benchmark.h>

#include <optional>
#include <string>

#include "pkxml.h"
#include "school_value.h"

namespace {

TpkXMLBuf SectionOf(int lines) {
    std::string text = "<Szkola><Doc>Realizacja programu</Doc><Sekcja><IloscWierszy>" +
                       std::to_string(lines) + "</IloscWierszy>";
    for (int i = 0; i < lines; ++i) {
        const std::string n = std::to_string(i);
        text += "<w" + n + ">wiersz " + n + "</W" + n + ">";
    }
    text += "</Sekcja></Szkola>";
    return TpkXMLBuf(text.begin(), text.end());
}

// Loading stays outside the timing; the first lookup's cost, whatever it builds, stays inside.
void ReadLines(benchmark::State& state, int present) {
    const int lines = static_cast<int>(state.range(0));
    const TpkXMLBuf bytes = SectionOf(present < 0 ? lines : present);
    std::optional<TpkXML> doc;
    for (auto _ : state) {
        state.PauseTiming();
        doc.emplace();  // the last tree goes here, untimed: its destruction is no lookup's cost
        doc->LoadFromBuffer(bytes);
        state.ResumeTiming();
        for (int i = 0; i < lines; ++i)
            benchmark::DoNotOptimize(SchoolValue2("Sekcja", "w" + std::to_string(i), *doc));
    }
    state.SetComplexityN(lines);
    state.counters["per_element"] =
        benchmark::Counter(lines, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void BM_ReadPresentLines(benchmark::State& state) { ReadLines(state, -1); }
void BM_ReadMissingLines(benchmark::State& state) { ReadLines(state, 0); }

BENCHMARK(BM_ReadPresentLines)->RangeMultiplier(10)->Range(1000, 100000)->Unit(benchmark::kMicrosecond)->Complexity(benchmark::oN);
BENCHMARK(BM_ReadMissingLines)->RangeMultiplier(10)->Range(1000, 100000)->Unit(benchmark::kMicrosecond)->Complexity(benchmark::oN);

}  // namespace

BENCHMARK_MAIN();
