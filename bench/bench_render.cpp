// A long free-text report must render in well under a second and grow linearly with its
// lines: every line is a fresh lookup by name, so a lookup that scans would turn quadratic.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <string>

#include "renderers.h"

namespace {

std::string OtherInformation(int lines) {
    std::string xml = "<?xml version=\"1.0\"?>\r\n<Szkola><Doc>Inne informacje</Doc><Belfer>Jan Kowalski</Belfer>"
                      "<Dotyczy>Wycieczka</Dotyczy><Info><IloscWierszy>" + std::to_string(lines) + "</IloscWierszy>";
    for (int i = 0; i < lines; ++i) {
        const std::string number = std::to_string(i);
        xml.append("<w").append(number).append(">Linia numer ").append(number);
        xml.append(" opisu wycieczki.</w").append(number).append(">\r\n");
    }
    return xml + "</Info></Szkola>";
}

// One report file per size, written once and removed when the program ends.
class ReportFiles {
public:
    ReportFiles() : dir_(std::filesystem::temp_directory_path() / "ulnik-bench-render") {
        std::filesystem::create_directories(dir_);
    }
    ~ReportFiles() {
        std::error_code ignored;
        std::filesystem::remove_all(dir_, ignored);
    }
    const std::string& For(int lines) {
        auto found = paths_.find(lines);
        if (found != paths_.end()) return found->second;
        const std::string path = (dir_ / ("info-" + std::to_string(lines) + ".xml")).string();
        const std::string bytes = OtherInformation(lines);
        std::ofstream(path, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        return paths_.emplace(lines, path).first->second;
    }

private:
    std::filesystem::path dir_;
    std::map<int, std::string> paths_;
};

ReportFiles& Files() {
    static ReportFiles files;
    return files;
}

void BM_RenderOtherInformation(benchmark::State& state) {
    const int lines = static_cast<int>(state.range(0));
    const std::string& path = Files().For(lines);
    HtmlPage page;
    for (auto _ : state) {
        page.clear();
        RenderOtherInformation(true, page, *ReadReportFile(path));
        benchmark::DoNotOptimize(page.data());
    }
    state.SetComplexityN(lines);
    state.counters["per_line"] = benchmark::Counter(
        static_cast<double>(lines), benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

BENCHMARK(BM_RenderOtherInformation)
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

}  // namespace

BENCHMARK_MAIN();
