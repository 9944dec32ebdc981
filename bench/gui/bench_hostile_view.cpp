// The viewer against reports built to crash or hang its web view: each shape is shown by a
// whole `ulnik --screenshot` (or printed by `ulnik --pdf`) process. Printed are the seconds to
// the page or to the refusal, the exit code, and the peak memory of the viewer and its render
// processes together (sampled every 20 ms). Run under a display (xvfb-run).
#include <benchmark/benchmark.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include <spawn.h>
#include <sys/wait.h>

extern char** environ;

namespace {

namespace fs = std::filesystem;

std::string ReportHolding(const std::string& markup) {
    std::string escaped;
    for (const char c : markup) escaped += c == '<' ? "&lt;" : c == '>' ? "&gt;" : std::string(1, c);
    return "<?xml version=\"1.0\" encoding=\"windows-1250\"?><Szkola><Doc>Inne informacje</Doc>"
           "<Date>2026-12-01</Date><Belfer>Nowak Anna</Belfer><Dotyczy>Test</Dotyczy><Info>"
           "<IloscWierszy>1</IloscWierszy><w0>" + escaped + "</w0></Info></Szkola>";
}

std::string Repeated(const std::string& text, int times) {
    std::string out;
    for (int i = 0; i < times; ++i) out += text;
    return out;
}

struct Shape {
    const char* name;
    const char* mode;
    std::string report;
};

const std::vector<Shape>& Shapes() {
    static const std::vector<Shape> shapes = {
        {"sample", "--screenshot", ""},
        {"crashing tables x2000", "--screenshot", ReportHolding(Repeated("<table><tr><td>", 2000))},
        {"formatting x3000", "--screenshot", ReportHolding(Repeated("<b><i><u><s><em><strong><font><a>x", 3000))},
        {"nested tables x20000", "--screenshot", ReportHolding(Repeated("<table><tr><td>", 20000))},
        {"30,000,000 px div", "--pdf", ReportHolding("<div style=\"height:30000000px\">x</div>")},
    };
    return shapes;
}

// The resident memory of `root` and all its descendants, in bytes.
long TreeResidentBytes(pid_t root) {
    std::map<pid_t, pid_t> parents;
    std::map<pid_t, long> resident;
    for (const auto& entry : fs::directory_iterator("/proc")) {
        const std::string name = entry.path().filename();
        if (name.find_first_not_of("0123456789") != std::string::npos) continue;
        std::ifstream status(entry.path() / "status");
        std::string line;
        pid_t parent = 0;
        long kb = 0;
        while (std::getline(status, line)) {
            if (line.starts_with("PPid:")) parent = std::stoi(line.substr(5));
            if (line.starts_with("VmRSS:")) kb = std::stol(line.substr(6));
        }
        parents[std::stoi(name)] = parent;
        resident[std::stoi(name)] = kb;
    }
    long total = 0;
    for (const auto& [pid, kb] : resident) {
        for (pid_t p = pid; p > 1; p = parents.count(p) ? parents[p] : 0)
            if (p == root) {
                total += kb;
                break;
            }
    }
    return total * 1024;
}

void BM_HostileShape(benchmark::State& state) {
    const Shape& shape = Shapes()[static_cast<std::size_t>(state.range(0))];
    state.SetLabel(shape.name);
    const fs::path dir = fs::temp_directory_path() / "ulnik-bench-hostile";
    fs::create_directories(dir);
    std::string report = ULNIK_SOURCE_DIR "/samples/z_karty.xml";
    if (!shape.report.empty()) {
        report = (dir / "report.xml").string();
        std::ofstream(report, std::ios::binary) << shape.report;
    }
    const std::string output = (dir / "out").string();
    double seconds = 0;
    long peak = 0;
    int code = -1;
    for (auto _ : state) {
        std::vector<std::string> args = {ULNIK_VIEWER, shape.mode, output, report};
        std::vector<char*> argv;
        for (std::string& arg : args) argv.push_back(arg.data());
        argv.push_back(nullptr);
        const auto start = std::chrono::steady_clock::now();
        pid_t pid = 0;
        if (posix_spawn(&pid, argv[0], nullptr, nullptr, argv.data(), environ) != 0) {
            state.SkipWithError("cannot start the viewer");
            return;
        }
        int status = 0;
        while (waitpid(pid, &status, WNOHANG) == 0) {
            peak = std::max(peak, TreeResidentBytes(pid));
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        code = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
        state.SetIterationTime(seconds);
    }
    state.counters["seconds"] = seconds;
    state.counters["peak_MB"] = static_cast<double>(peak) / (1 << 20);
    state.counters["exit"] = code;
    fs::remove_all(dir);
}
BENCHMARK(BM_HostileShape)->DenseRange(0, 4)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);

}  // namespace

BENCHMARK_MAIN();
