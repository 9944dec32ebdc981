// `ulnik --pdf` of one report beside wkhtmltopdf turning the same page into a PDF, each as a
// whole process from start to exit, and their ratio. wkhtmltopdf is Debian's package of that
// name; without it only the viewer's figure is given. Needs QTWEBENGINE_DISABLE_SANDBOX=1 as root.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <map>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

const std::string kSample = ULNIK_SOURCE_DIR "/samples/klasyfikacja_klasy_3a.xml";
const std::string kScratch = "/tmp/ulnik-bench-pdf-" + std::to_string(::getpid());

// Seconds from start to exit of `argv`, its output silenced; -1 when it failed.
double RunOnce(const std::vector<std::string>& argv)
{
    std::vector<char*> args;
    for (const std::string& arg : argv)
        args.push_back(const_cast<char*>(arg.c_str()));
    args.push_back(nullptr);
    const auto start = std::chrono::steady_clock::now();
    const pid_t child = ::fork();
    if (child == 0) {
        const int null = ::open("/dev/null", O_WRONLY);
        ::dup2(null, 1);
        ::dup2(null, 2);
        ::execvp(args[0], args.data());
        ::_exit(127);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? seconds : -1;
}

void TimeRuns(benchmark::State& state, const std::vector<std::string>& argv)
{
    for (auto _ : state) {
        const double seconds = RunOnce(argv);
        if (seconds < 0) {
            state.SkipWithError(("failed: " + argv[0]).c_str());
            return;
        }
        state.SetIterationTime(seconds);
    }
}

void BM_UlnikPdf(benchmark::State& state)
{
    TimeRuns(state, {ULNIK_VIEWER, "--pdf", kScratch + "/ulnik.pdf", kSample});
}
BENCHMARK(BM_UlnikPdf)->UseManualTime()->Iterations(5)->Repetitions(3)->Unit(benchmark::kMillisecond);

// The page the viewer shows, as ulnik-render writes it.
void BM_WkhtmltopdfSamePage(benchmark::State& state)
{
    if (std::system("command -v wkhtmltopdf >/dev/null") != 0) {
        state.SkipWithError("no wkhtmltopdf (apt-get install wkhtmltopdf)");
        return;
    }
    const std::string page = kScratch + "/Temp.htm";
    if (RunOnce({ULNIK_RENDER, kSample, "-o", page}) < 0) {
        state.SkipWithError("ulnik-render failed");
        return;
    }
    TimeRuns(state, {"wkhtmltopdf", "-q", page, kScratch + "/wkhtmltopdf.pdf"});
}
BENCHMARK(BM_WkhtmltopdfSamePage)->UseManualTime()->Iterations(5)->Repetitions(3)->Unit(benchmark::kMillisecond);

// Keeps each benchmark's median time, so that the ratio can be printed at the end.
class MedianReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median" && !run.error_occurred)
                medians_[run.run_name.function_name] = run.GetAdjustedRealTime();
    }
    double Median(const std::string& name) const
    {
        const auto found = medians_.find(name);
        return found == medians_.end() ? 0 : found->second;
    }

private:
    std::map<std::string, double> medians_;
};

}  // namespace

int main(int argc, char** argv)
{
    std::filesystem::create_directories(kScratch);
    benchmark::Initialize(&argc, argv);
    MedianReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const double ours = reporter.Median("BM_UlnikPdf"), theirs = reporter.Median("BM_WkhtmltopdfSamePage");
    if (ours > 0 && theirs > 0)
        std::printf("ulnik --pdf %.0f ms, wkhtmltopdf %.0f ms: ratio %.2f\n", ours, theirs, ours / theirs);
    benchmark::Shutdown();
    std::filesystem::remove_all(kScratch);
    return 0;
}
