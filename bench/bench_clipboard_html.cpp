// SafeClipboardHtml on copies built to make a sanitizer slow: thousands of elements that it
// takes apart one by one. Printed: the time per call and the input bytes per second.
// The goal is well under a second for each shape: the copy command waits for it, and so does
// the user.
#include <benchmark/benchmark.h>

#include <string>

#include "clipboard_html.h"

namespace {

std::string Repeated(const std::string& piece, int times) {
    std::string html;
    html.reserve(piece.size() * static_cast<size_t>(times));
    for (int i = 0; i < times; ++i) html += piece;
    return html;
}

void Sanitize(benchmark::State& state, const std::string& html) {
    for (auto _ : state) benchmark::DoNotOptimize(SafeClipboardHtml(html));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(html.size()));
    state.counters["input_bytes"] = static_cast<double>(html.size());
}

// Formulas in a report's values, as written and as Chromium's copy of the page holds them,
// each with the look of its text spelt out. The copy's shape is what Ctrl+C hands over.
void BM_MathElements(benchmark::State& state) {
    Sanitize(state, "<p>" + Repeated("<math>q</math>", static_cast<int>(state.range(0))) + "</p>");
}
BENCHMARK(BM_MathElements)->Arg(6000)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_MathElementsAsCopied(benchmark::State& state) {
    const std::string copied =
        "<math style=\"color: rgb(0, 0, 0); font-family: tahoma, verdana, arial; font-size: 13.3333px; "
        "font-style: normal; font-variant-ligatures: normal; font-variant-caps: normal; font-weight: 400; "
        "letter-spacing: normal; orphans: 2; text-align: start; text-indent: 0px; text-transform: none; "
        "white-space: normal; widows: 2; word-spacing: 0px; -webkit-text-stroke-width: 0px; "
        "background-color: rgb(255, 255, 255); text-decoration-thickness: initial; "
        "text-decoration-style: initial; text-decoration-color: initial;\">q</math>";
    Sanitize(state, "<meta charset='utf-8'>" + Repeated(copied, static_cast<int>(state.range(0))));
}
BENCHMARK(BM_MathElementsAsCopied)->Arg(6000)->Unit(benchmark::kMillisecond)->UseRealTime();

// Empty elements that are dropped whole.
void BM_VideoElements(benchmark::State& state) {
    Sanitize(state, Repeated("<video></video>", static_cast<int>(state.range(0))));
}
BENCHMARK(BM_VideoElements)->Arg(40000)->Unit(benchmark::kMillisecond)->UseRealTime();

// The everyday copy: a long table of plain formatted rows, for scale.
void BM_FormattedRows(benchmark::State& state) {
    Sanitize(state, "<table style=\"border-collapse: collapse\">" +
                        Repeated("<tr><td style=\"color: rgb(0, 0, 0); text-align: left\"><b>Wiersz</b> "
                                 "sprawozdania</td><td align=\"right\">12,5</td></tr>",
                                 static_cast<int>(state.range(0))) +
                        "</table>");
}
BENCHMARK(BM_FormattedRows)->Arg(6000)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
