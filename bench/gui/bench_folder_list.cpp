// The folder list at the end of a term: `ulnik --pdf OUT --all FOLDER` of 30 reports as a whole
// process, and, in a running viewer, the seconds from a report landing in the listed folder to
// the list showing it (the quiet period of 500 ms included). Run under xvfb-run.
#include <benchmark/benchmark.h>

#include "terminal_shell.h"
#include "tfbrowser.h"

#include <QApplication>
#include <sstream>
#include <QEventLoop>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

namespace fs = std::filesystem;

// `count` reports, the samples over and over under names of their own.
void FillFolder(const fs::path& folder, int count)
{
    std::vector<fs::path> samples;
    for (const auto& entry : fs::directory_iterator(ULNIK_SOURCE_DIR "/samples/odebrane"))
        if (entry.path().extension() == ".xml")
            samples.push_back(entry.path());
    std::sort(samples.begin(), samples.end());
    for (int i = 0; i < count; ++i)
        fs::copy_file(samples[size_t(i) % samples.size()], folder / (std::to_string(i) + ".xml"));
}

void BM_PdfOfAllReports(benchmark::State& state)
{
    const QTemporaryDir scratch;
    const fs::path folder = fs::path(scratch.path().toStdString()) / "odebrane";
    fs::create_directory(folder);
    FillFolder(folder, int(state.range(0)));
    const std::string command = std::string(ULNIK_VIEWER) + " --pdf '" + scratch.path().toStdString() +
                                "/all.pdf' --all '" + folder.string() + "' >/dev/null 2>&1";
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        const int status = std::system(command.c_str());
        state.SetIterationTime(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
        if (status != 0)
            state.SkipWithError("ulnik --pdf --all failed");
    }
}
BENCHMARK(BM_PdfOfAllReports)->Arg(30)->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);

void BM_ListRefreshAfterAReportLands(benchmark::State& state)
{
    const QTemporaryDir scratch;
    const fs::path folder(scratch.path().toStdString());
    FillFolder(folder, 30);
    std::ostringstream unread;
    TerminalShell quiet(unread);
    TFBrowser window(&quiet);
    window.show();
    QSignalSpy loaded(&window, &TFBrowser::DocumentComplete);
    window.OpenPath(scratch.path());
    loaded.wait(15000);
    int landed = 100;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        fs::copy_file(ULNIK_SOURCE_DIR "/samples/odebrane/zawadzka_kolo_przyrodnicze.xml",
                      folder / (std::to_string(landed++) + ".xml"));
        if (!loaded.wait(15000))
            state.SkipWithError("the list was not refreshed");
        state.SetIterationTime(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
}
BENCHMARK(BM_ListRefreshAfterAReportLands)->UseManualTime()->Iterations(10)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
