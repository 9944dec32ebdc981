// ulnik-render over report shapes built to exhaust it: counts that ask for millions of lines
// the file does not hold, and a block of a million siblings. Each run is one whole process;
// printed are its seconds and its peak memory per byte of input. The goal is at most 64 bytes
// and one second per input megabyte, or an early refusal (exit code 4).
//
// ULNIK_RENDER_UNDER_TEST names another ulnik-render to measure, an older build for instance.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

extern char** environ;

namespace {

constexpr size_t kMegabyte = 1 << 20;

std::string Tool() {
    const char* other = std::getenv("ULNIK_RENDER_UNDER_TEST");
    return other ? other : ULNIK_RENDER;
}

// Pads the report to exactly `size` bytes with a comment after its top-level element.
std::string PaddedTo(std::string xml, size_t size) {
    const size_t frame = std::string("<!---->").size();
    if (xml.size() + frame < size) xml += "<!--" + std::string(size - xml.size() - frame, 'x') + "-->";
    return xml;
}

std::string Block(const std::string& section, size_t lines) {
    return "<" + section + "><IloscWierszy>" + std::to_string(lines) + "</IloscWierszy></" + section + ">";
}

// One block whose count is just under the file's size.
std::string OneBlock(size_t size) {
    return PaddedTo("<Szkola><Doc>Z karty</Doc>" + Block("Info", size - 256) + "</Szkola>", size);
}

// Three blocks, each on its own just under the file's size.
std::string ThreeBlocks(size_t size) {
    const size_t count = size - 256;
    return PaddedTo("<Szkola><Doc>Realizacja programu z przedmiotu nauczania</Doc>" + Block("Ogolne", count) +
                        Block("Sukcesy", count) + Block("Wnioski", count) + "</Szkola>",
                    size);
}

// A block of eight-byte siblings filling the file, read line by line for a million lines.
std::string Siblings(size_t size) {
    std::string xml = "<Szkola><Doc>Z karty</Doc><Info><IloscWierszy>1000000</IloscWierszy>";
    const std::string tail = "</Info></Szkola>";
    while (xml.size() + 8 + tail.size() <= size) xml += "<a>b</a>";
    return PaddedTo(xml + tail, size);
}

struct Run {
    int exitCode;
    double seconds;     // wall clock
    double cpuSeconds;  // user and system: what other load on the machine does not inflate
    long peakBytes;
};

double Seconds(const timeval& t) { return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / 1e6; }

Run RenderToNowhere(const std::string& report) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    std::string tool = Tool(), file = report;
    char* argv[] = {tool.data(), file.data(), nullptr};
    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    int status = -1;
    rusage usage {};
    if (posix_spawn(&pid, argv[0], &actions, nullptr, argv, environ) == 0) ::wait4(pid, &status, 0, &usage);
    posix_spawn_file_actions_destroy(&actions);
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    return {WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status), took.count(),
            Seconds(usage.ru_utime) + Seconds(usage.ru_stime), usage.ru_maxrss * 1024};
}

void Shape(benchmark::State& state, std::string (*make)(size_t), size_t megabytes) {
    const size_t size = megabytes * kMegabyte;
    const auto path = std::filesystem::temp_directory_path() / ("ulnik-hostile-" + std::to_string(::getpid()) + ".xml");
    {
        const std::string bytes = make(size);
        std::ofstream(path, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }
    Run run {};
    for (auto _ : state) {
        run = RenderToNowhere(path.string());
        state.SetIterationTime(run.seconds);
    }
    std::filesystem::remove(path);
    state.counters["exit"] = run.exitCode;
    state.counters["s_per_MB"] = run.seconds / static_cast<double>(megabytes);
    state.counters["cpu_s_per_MB"] = run.cpuSeconds / static_cast<double>(megabytes);
    state.counters["peak_per_byte"] = static_cast<double>(run.peakBytes) / static_cast<double>(size);
    state.counters["peak_MB"] = static_cast<double>(run.peakBytes) / kMegabyte;
}

BENCHMARK_CAPTURE(Shape, one_block_16MB, OneBlock, 16)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);
BENCHMARK_CAPTURE(Shape, three_blocks_4MB, ThreeBlocks, 4)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);
BENCHMARK_CAPTURE(Shape, million_siblings_8MB, Siblings, 8)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);

}  // namespace

BENCHMARK_MAIN();
