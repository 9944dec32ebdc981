// How soon the viewer shows a report: from process start to the first page painted (the
// whole `ulnik --screenshot` run, PNG included), and from a drop to the page painted in a
// running viewer. Run under xvfb-run.
#include <benchmark/benchmark.h>

#include "html_view.h"
#include "paint_watch.h"
#include "tfbrowser.h"

#include <QApplication>
#include <QEventLoop>
#include <QTest>

#include <chrono>
#include <cstdlib>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>

namespace {

const std::string kSample = ULNIK_SOURCE_DIR "/samples/klasyfikacja_klasy_3a.xml";

// Wall seconds of one `ulnik --screenshot` run; the peak resident size of the viewer's
// own process goes to `peakKiB`.
double RunViewerOnce(long& peakKiB)
{
    const auto start = std::chrono::steady_clock::now();
    const std::string command = std::string("'" ULNIK_VIEWER "' --screenshot /tmp/ulnik-bench.png '") + kSample +
                                "' >/dev/null 2>&1";
    if (std::system(command.c_str()) != 0)
        return -1;
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    peakKiB = std::max(peakKiB, usage.ru_maxrss);
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void BM_StartToPage(benchmark::State& state)
{
    long peakKiB = 0;
    for (auto _ : state) {
        const double seconds = RunViewerOnce(peakKiB);
        if (seconds < 0) {
            state.SkipWithError("the viewer failed");
            return;
        }
        state.SetIterationTime(seconds);
    }
    state.counters["peak_MiB"] = static_cast<double>(peakKiB) / 1024.0;
}
BENCHMARK(BM_StartToPage)->UseManualTime()->Iterations(5)->Repetitions(3)->Unit(benchmark::kMillisecond)
    ->ReportAggregatesOnly(false);

void BM_DropToPage(benchmark::State& state)
{
    TFBrowser window;
    window.SetMessageHandler([](MessageStyle, MessageIcon, const std::string&) {});
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) {
        state.SkipWithError("no window");
        return;
    }
    // Two reports in turn, so every page differs from the one before it.
    const QString reports[] = {QStringLiteral(ULNIK_SOURCE_DIR "/samples/z_karty.xml"),
                               QStringLiteral(ULNIK_SOURCE_DIR "/samples/inne_informacje.xml")};
    int turn = 0;
    for (auto _ : state) {
        const QImage before = Snapshot(window.View());
        const auto start = std::chrono::steady_clock::now();
        PaintWatch watch(window.View(), before);
        // A real event loop: Chromium's work arrives as a stream of small tasks.
        QEventLoop loop;
        QObject::connect(&window, &TFBrowser::DocumentComplete, &watch, [&] { watch.Start(10000); },
                         Qt::SingleShotConnection);
        QObject::connect(&watch, &PaintWatch::Painted, &loop, [&] { loop.exit(0); });
        QObject::connect(&watch, &PaintWatch::TimedOut, &loop, [&] { loop.exit(1); });
        window.OpenPath(reports[turn++ % 2]);
        if (loop.exec() != 0) {
            state.SkipWithError("the page was never painted");
            return;
        }
        state.SetIterationTime(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
}
BENCHMARK(BM_DropToPage)->UseManualTime()->Iterations(20)->Repetitions(3)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
