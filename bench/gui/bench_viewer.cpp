// How soon the viewer shows a report: from process start to the first page painted (until
// `ulnik --screenshot` has its picture), and from a drop to the page painted in a running
// viewer; and how much memory all its processes take with that first report shown (the
// proportional set size summed over the viewer and every process under it: the web engine's
// zygotes and render process). Run under xvfb-run.
#include <benchmark/benchmark.h>

#include "html_view.h"
#include "paint_watch.h"
#include "safe_page.h"
#include "terminal_shell.h"
#include "tfbrowser.h"

#include <QApplication>
#include <sstream>
#include <QEventLoop>
#include <QTest>

#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <fstream>
#include <filesystem>
#include <thread>
#include <unistd.h>
#include <string>
#include <vector>
#include <sys/resource.h>
#include <sys/wait.h>

namespace {

const std::string kSample = ULNIK_SOURCE_DIR "/samples/klasyfikacja_klasy_3a.xml";

// The proportional set size of `pid` (its share of every page it has), in KiB; 0 once gone.
long PssKiB(pid_t pid)
{
    std::ifstream rollup("/proc/" + std::to_string(pid) + "/smaps_rollup");
    for (std::string key; rollup >> key;) {
        long value = 0;
        if (key == "Pss:" && rollup >> value)
            return value;
    }
    return 0;
}

// `pid` and every process under it.
std::vector<pid_t> ProcessTree(pid_t pid)
{
    std::vector<pid_t> tree{pid};
    for (std::size_t at = 0; at < tree.size(); ++at) {
        const std::string tasks = "/proc/" + std::to_string(tree[at]) + "/task";
        std::error_code error;
        for (const auto& task : std::filesystem::directory_iterator(tasks, error)) {
            std::ifstream children(task.path() / "children");
            for (pid_t child = 0; children >> child;)
                tree.push_back(child);
        }
    }
    return tree;
}

// The viewer is stopped while it is measured, so that it cannot begin to quit meanwhile.
long TreePssKiB(pid_t viewer)
{
    ::kill(viewer, SIGSTOP);
    long total = 0;
    for (const pid_t pid : ProcessTree(viewer))
        total += PssKiB(pid);
    ::kill(viewer, SIGCONT);
    return total;
}

struct ViewerRun {
    double seconds = -1;  // start to first page painted; -1 when the viewer failed
    long pssKiB = 0;      // all its processes with that page shown
};

// Starts `ulnik --screenshot` and waits for its picture on disk (the page has been painted
// then); the peak resident size of the viewer's own process goes to `peakKiB`. The viewer's
// tear-down after that is not counted.
ViewerRun RunViewerOnce(long& peakKiB)
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
    ViewerRun run;
    int status = 0;
    while (::waitpid(child, &status, WNOHANG) == 0) {
        if (run.seconds < 0 && std::filesystem::exists(picture)) {
            run.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
            run.pssKiB = TreePssKiB(child);
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    peakKiB = std::max(peakKiB, usage.ru_maxrss);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        run.seconds = -1;
    return run;
}

void BM_StartToPage(benchmark::State& state)
{
    long peakKiB = 0;
    double pssKiB = 0;
    for (auto _ : state) {
        const ViewerRun run = RunViewerOnce(peakKiB);
        if (run.seconds < 0) {
            state.SkipWithError("the viewer failed");
            return;
        }
        state.SetIterationTime(run.seconds);
        pssKiB += static_cast<double>(run.pssKiB);
    }
    state.counters["peak_MiB"] = static_cast<double>(peakKiB) / 1024.0;
    // With the first report shown: the viewer, its zygotes and its render process together.
    state.counters["all_processes_PSS_MiB"] = pssKiB / static_cast<double>(state.iterations()) / 1024.0;
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
    // The running viewer's pages are drawn as the program draws them.
    DrawPagesInSoftware();
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
