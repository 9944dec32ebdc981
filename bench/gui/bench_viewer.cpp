// How soon the viewer shows a report: from process start to the first page painted (until
// `ulnik --screenshot` has its picture), and from a drop to the page painted in a running
// viewer. Run under xvfb-run.
#include <benchmark/benchmark.h>

#include "html_view.h"
#include "paint_watch.h"
#include "terminal_shell.h"
#include "tfbrowser.h"

#include <QApplication>
#include <sstream>
#include <QEventLoop>
#include <QTest>

#include <chrono>
#include <fcntl.h>
#include <filesystem>
#include <thread>
#include <unistd.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>

namespace {

const std::string kSample = ULNIK_SOURCE_DIR "/samples/klasyfikacja_klasy_3a.xml";

// Seconds from starting `ulnik --screenshot` to its picture appearing on disk (the page has
// been painted then); the peak resident size of the viewer's own process goes to `peakKiB`.
// The viewer's tear-down after that is not counted.
double RunViewerOnce(long& peakKiB)
{
    const std::string picture = "/tmp/ulnik-bench-" + std::to_string(::getpid()) + ".png";
    std::filesystem::remove(picture);
    const auto start = std::chrono::steady_clock::now();
    const pid_t child = ::fork();
    if (child == 0) {
        const int null = ::open("/dev/null", O_WRONLY);
        ::dup2(null, 1);
        ::dup2(null, 2);
        ::execl(ULNIK_VIEWER, "ulnik", "--screenshot", picture.c_str(), kSample.c_str(), nullptr);
        ::_exit(127);
    }
    double seconds = -1;
    int status = 0;
    while (::waitpid(child, &status, WNOHANG) == 0) {
        if (seconds < 0 && std::filesystem::exists(picture))
            seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    peakKiB = std::max(peakKiB, usage.ru_maxrss);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? seconds : -1;
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
    std::ostringstream unread;
    TerminalShell quiet(unread);
    TFBrowser window(&quiet);
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
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
