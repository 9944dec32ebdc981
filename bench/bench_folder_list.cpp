// Listing a folder of 10,000 received reports, made from the samples, with a warm cache.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>

#include "folder_list.h"
#include "qt_locale.h"
#include "silent_shell.h"

namespace fs = std::filesystem;

namespace {

fs::path MakeFolder(int files) {
    const fs::path folder = fs::temp_directory_path() / ("ulnik-bench-folder-" + std::to_string(files));
    fs::remove_all(folder);
    fs::create_directories(folder);
    std::vector<fs::path> samples;
    for (const auto& entry : fs::directory_iterator(ULNIK_SOURCE_DIR "/samples/odebrane"))
        samples.push_back(entry.path());
    for (int i = 0; i < files; ++i)
        fs::copy_file(samples[i % samples.size()], folder / ("raport" + std::to_string(i) + ".xml"));
    return folder;
}

void ListFolder(benchmark::State& run) {
    const int files = static_cast<int>(run.range(0));
    const fs::path folder = MakeFolder(files);
    ProgramState state;
    state.PageFilePath = (fs::temp_directory_path() / "ulnik-bench-list.htm").string();
    SilentShell shell;
    QtLocale locale;
    FolderLister lister(state, shell, locale);
    lister.ListReceivedReports(folder.string());  // warms the cache
    for (auto _ : run)
        if (lister.ListReceivedReports(folder.string()) != ListOutcome::Shown) run.SkipWithError("not listed");
    run.counters["files_per_s"] = benchmark::Counter(static_cast<double>(files) * run.iterations(),
                                                     benchmark::Counter::kIsRate);
    fs::remove_all(folder);
    fs::remove(state.PageFilePath);
}

BENCHMARK(ListFolder)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
