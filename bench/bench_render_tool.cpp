// ulnik-render as a whole process over every sample, against xsltproc turning the same files
// into HTML with a small stylesheet: the tool a user would otherwise reach for.
#include <benchmark/benchmark.h>

#include <filesystem>
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

void EveryFile(benchmark::State& run, const std::vector<std::string>& command) {
    const auto files = Samples();
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

void UlnikRender(benchmark::State& run) { EveryFile(run, {ULNIK_RENDER}); }
void Xsltproc(benchmark::State& run) {
    EveryFile(run, {"/usr/bin/xsltproc", ULNIK_SOURCE_DIR "/bench/report.xsl"});
}

BENCHMARK(UlnikRender)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(Xsltproc)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
