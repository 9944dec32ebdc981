// The whole pipeline for each sample report: identify, render, write the page file.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "qt_locale.h"
#include "report_opener.h"
#include "silent_shell.h"

namespace {

void ShowSample(benchmark::State& run, const std::string& path) {
    ProgramState state;
    state.PageFilePath = (std::filesystem::temp_directory_path() / "ulnik-bench-Temp.htm").string();
    SilentShell shell;
    QtLocale locale;
    ReportOpener opener(state, shell, locale);
    state.CurrentReportPath = path;
    for (auto _ : run)
        if (opener.ShowReport() != ReportOutcome::Shown) run.SkipWithError("the sample was not shown");
    run.SetItemsProcessed(run.iterations());
    std::filesystem::remove(state.PageFilePath);
}

const bool kRegistered = [] {
    for (const auto& entry : std::filesystem::directory_iterator(ULNIK_SOURCE_DIR "/samples"))
        if (entry.path().extension() == ".xml")
            benchmark::RegisterBenchmark(("ShowReport/" + entry.path().filename().string()).c_str(),
                                         ShowSample, entry.path().string())
                ->Unit(benchmark::kMicrosecond);
    return true;
}();

}  // namespace

BENCHMARK_MAIN();
