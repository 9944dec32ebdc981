// ulnik-render as a whole process over every sample, against xsltproc turning the same files
// into HTML with a small stylesheet: the tool a user would otherwise reach for; and over the one
// sample whose page shows an average in the user's notation, which once meant loading Qt. The
// share of xsltproc's time one report per process takes is printed. Then a folder of
// 1,000 reports: one ulnik-render -d against a shell loop of xsltproc, and how many times as long
// the loop takes. The folders are made under TMPDIR: on a disk file system that has just deleted
// many files, creating the pages can cost more than rendering them (TMPDIR=/dev/shm leaves it out).
//
// ULNIK_RENDER_UNDER_TEST names another ulnik-render to measure: scripts/ulnik-render-wine, for
// the Windows build under Wine.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

extern char** environ;

namespace {

std::vector<std::string> Samples() {
    std::vector<std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator(ULNIK_SOURCE_DIR "/samples"))
        if (entry.path().extension() == ".xml") files.push_back(entry.path().string());
    return files;
}

// Runs a program with its output thrown away and returns its exit status.
int Run(std::vector<std::string> args) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    std::vector<char*> argv;
    for (auto& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    pid_t pid = 0;
    int status = -1;
    if (posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ) == 0) waitpid(pid, &status, 0);
    posix_spawn_file_actions_destroy(&actions);
    return status;
}

void EachOf(benchmark::State& run, const std::vector<std::string>& command, const std::vector<std::string>& files) {
    for (auto _ : run)
        for (const auto& file : files) {
            auto args = command;
            args.push_back(file);
            if (Run(args) != 0) run.SkipWithError(("failed on " + file).c_str());
        }
    run.SetItemsProcessed(run.iterations() * static_cast<int64_t>(files.size()));
    // Printed as the time one file takes.
    run.counters["per_file"] = benchmark::Counter(static_cast<double>(run.iterations() * files.size()),
                                                  benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

// Another build of the tool may be measured the same way (the Windows one under Wine).
std::string Tool() {
    const char* other = std::getenv("ULNIK_RENDER_UNDER_TEST");
    return other ? other : ULNIK_RENDER;
}

const std::vector<std::string> kUlnikRender = {Tool()};
const std::vector<std::string> kXsltproc = {"/usr/bin/xsltproc", ULNIK_SOURCE_DIR "/bench/report.xsl"};
const std::vector<std::string> kAverage = {ULNIK_SOURCE_DIR "/samples/klasyfikacja_klasy_3a.xml"};

void UlnikRender(benchmark::State& run) { EachOf(run, kUlnikRender, Samples()); }
void Xsltproc(benchmark::State& run) { EachOf(run, kXsltproc, Samples()); }

BENCHMARK(UlnikRender)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(Xsltproc)->Unit(benchmark::kMillisecond)->UseRealTime();

// Each file by both programs in turn, the first of the pair alternating, so that whatever else
// the machine is doing weighs on both alike: the share of xsltproc's time ulnik-render takes.
void ShareOfXsltproc(benchmark::State& run, const std::vector<std::string>& files) {
    using Clock = std::chrono::steady_clock;
    Clock::duration ours {}, theirs {};
    const auto timed = [&run](std::vector<std::string> command, const std::string& file, Clock::duration& total) {
        command.push_back(file);
        const Clock::time_point start = Clock::now();
        if (Run(command) != 0) run.SkipWithError(("failed on " + file).c_str());
        total += Clock::now() - start;
    };
    bool oursFirst = true;
    for (auto _ : run)
        for (const auto& file : files) {
            if (oursFirst) timed(kUlnikRender, file, ours);
            timed(kXsltproc, file, theirs);
            if (!oursFirst) timed(kUlnikRender, file, ours);
            oursFirst = !oursFirst;
        }
    run.counters["share"] = std::chrono::duration<double>(ours) / std::chrono::duration<double>(theirs);
}

BENCHMARK_CAPTURE(ShareOfXsltproc, every_sample, Samples())->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(ShareOfXsltproc, the_report_with_an_average, kAverage)->Unit(benchmark::kMillisecond)->UseRealTime();

namespace fs = std::filesystem;

constexpr int kFolderReports = 1000;

// The samples copied round until the folder holds kFolderReports reports; made once.
const fs::path& ReportFolder() {
    static const fs::path folder = [] {
        const fs::path made = fs::temp_directory_path() / "ulnik-bench-batch-in";
        fs::remove_all(made);
        fs::create_directories(made);
        const auto samples = Samples();
        for (int i = 0; i < kFolderReports; ++i)
            fs::copy_file(samples[i % samples.size()], made / ("raport" + std::to_string(i) + ".xml"));
        return made;
    }();
    return folder;
}

fs::path PageFolder() { return fs::temp_directory_path() / "ulnik-bench-batch-out"; }

// Each run writes into an empty folder, as a first conversion does; emptying it is not timed.
void EveryPageOfTheFolder(benchmark::State& run, const std::vector<std::string>& command) {
    const fs::path out = PageFolder();
    for (auto _ : run) {
        run.PauseTiming();
        fs::remove_all(out);
        fs::create_directories(out);
        run.ResumeTiming();
        if (Run(command) != 0) run.SkipWithError("a page was not written");
    }
    if (fs::directory_iterator(out) == fs::directory_iterator()) run.SkipWithError("no pages");
    run.counters["per_file"] = benchmark::Counter(static_cast<double>(run.iterations() * kFolderReports),
                                                  benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
    fs::remove_all(out);
}

void UlnikRenderBatch(benchmark::State& run) {
    EveryPageOfTheFolder(run, {Tool(), "-d", PageFolder().string(), ReportFolder().string()});
}

void XsltprocLoop(benchmark::State& run) {
    const char* loop = "for f in \"$2\"/*.xml; do n=${f##*/}; "
                       "/usr/bin/xsltproc \"$1\" \"$f\" > \"$3/${n%.xml}.htm\" || exit 1; done";
    EveryPageOfTheFolder(run, {"/bin/sh", "-c", loop, "sh", ULNIK_SOURCE_DIR "/bench/report.xsl",
                               ReportFolder().string(), PageFolder().string()});
}

BENCHMARK(UlnikRenderBatch)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(XsltprocLoop)->Unit(benchmark::kMillisecond)->UseRealTime();

// The console's figures, then the share of xsltproc's time one report per process takes, and
// how many times as long the xsltproc loop takes as one batch run.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    // With repetitions, their mean counts.
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            const bool mean = run.run_type == Run::RT_Aggregate && run.aggregate_name == "mean";
            if (run.error_occurred || !(mean || run.run_type == Run::RT_Iteration)) continue;
            realTime_[run.run_name.function_name] = run.GetAdjustedRealTime();
            if (const auto share = run.counters.find("share"); share != run.counters.end())
                shares_[run.run_name.function_name] = share->second;
        }
        ConsoleReporter::ReportRuns(runs);
    }
    void Finalize() override {
        ConsoleReporter::Finalize();
        for (const auto& [name, share] : shares_)
            std::printf("one report per process (%s): ulnik-render takes %.2f of xsltproc's time\n",
                        name.substr(name.find('/') + 1).c_str(), share);
        if (realTime_.count("UlnikRenderBatch") && realTime_.count("XsltprocLoop"))
            std::printf("%d reports: the xsltproc loop takes %.1f times as long as ulnik-render -d\n",
                        kFolderReports, realTime_["XsltprocLoop"] / realTime_["UlnikRenderBatch"]);
    }

private:
    std::map<std::string, double> realTime_;
    std::map<std::string, double> shares_;
};

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    fs::remove_all(fs::temp_directory_path() / "ulnik-bench-batch-in");
    return 0;
}
