// The school's pages of a folder with a warm cache: the classification summary of 1,000
// classification reports (half of them behaviour ones), the check of the same folder's files, and
// the combined report of 300 reports of every type, each class its own, made from the samples.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>

#include "qt_locale.h"
#include "exit_codes.h"
#include "school_pages.h"
#include "silent_shell.h"
#include "utf8.h"

namespace fs = std::filesystem;

namespace {

// A sample's bytes; one in UTF-16 as UTF-8, so that its class can be replaced as text.
std::string Sample(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream read;
    read << in.rdbuf();
    const std::string bytes = read.str();
    if (!bytes.starts_with("\xFF\xFE")) return bytes;
    std::u16string wide;
    for (std::size_t i = 2; i + 1 < bytes.size(); i += 2)
        wide += static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) | static_cast<unsigned char>(bytes[i + 1]) << 8);
    return std::regex_replace(WideToUtf8(wide), std::regex("encoding=\"UTF-16\""), "encoding=\"UTF-8\"");
}

// Copies of the samples, the i-th one of class "<i>a" so that every class is a row of its own.
fs::path MakeFolder(const std::string& name, const std::vector<fs::path>& samples, int files) {
    const fs::path folder = fs::temp_directory_path() / ("ulnik-bench-" + name);
    fs::remove_all(folder);
    fs::create_directories(folder);
    const std::regex klasa("<Klasa>[^<]*</Klasa>");
    for (int i = 0; i < files; ++i) {
        const std::string cls = "<Klasa>" + std::to_string(i / 2) + "a</Klasa>";
        std::ofstream(folder / ("r" + std::to_string(i) + ".xml"), std::ios::binary)
            << std::regex_replace(Sample(samples[i % samples.size()]), klasa, cls);
    }
    return folder;
}

void Build(benchmark::State& run, SchoolPageKind kind, const fs::path& folder, int files) {
    ProgramState state;
    state.PageFilePath = (fs::temp_directory_path() / "ulnik-bench-school.htm").string();
    SilentShell shell;
    QtLocale locale;
    SchoolPages pages(state, shell, locale);
    pages.Build(kind, folder.string());  // warms the cache
    for (auto _ : run)
        if (ExitCodeOf(pages.Build(kind, folder.string())) != 0) run.SkipWithError("not written whole");
    run.counters["reports_per_s"] =
        benchmark::Counter(static_cast<double>(files) * run.iterations(), benchmark::Counter::kIsRate);
    fs::remove_all(folder);
    fs::remove(state.PageFilePath);
}

void ClassificationSummary(benchmark::State& run) {
    const fs::path samples = ULNIK_SOURCE_DIR "/samples";
    const int files = static_cast<int>(run.range(0));
    Build(run, SchoolPageKind::Summary,
          MakeFolder("summary", {samples / "klasyfikacja_klasy_3a.xml", samples / "zachowanie_3a.xml"}, files), files);
}

void FolderCheck(benchmark::State& run) {
    const fs::path samples = ULNIK_SOURCE_DIR "/samples";
    const int files = static_cast<int>(run.range(0));
    Build(run, SchoolPageKind::Check,
          MakeFolder("check", {samples / "klasyfikacja_klasy_3a.xml", samples / "zachowanie_3a.xml"}, files), files);
}

// The summary of `classes` classes, each with `failGrades` pupils with fail grades in a few
// subjects: the time per record must stay flat as either grows.
fs::path FailGradesFolder(int classes, int failGrades) {
    const fs::path folder = fs::temp_directory_path() / "ulnik-bench-records";
    fs::remove_all(folder);
    fs::create_directories(folder);
    for (int c = 0; c < classes; ++c) {
        std::string pupils;
        for (int p = 1; p <= failGrades; ++p)
            pupils += "<Uczen" + std::to_string(p) + ">Ucze\xF1 " + std::to_string(p) + "<Przedmioty>przedmiot " +
                      std::to_string(p % 7) + ", przedmiot " + std::to_string(p % 11) + "</Przedmioty></Uczen" +
                      std::to_string(p) + ">";
        std::ofstream(folder / ("k" + std::to_string(c) + ".xml"), std::ios::binary)
            << "<Szkola><Doc>Klasyfikacja klasy</Doc><Date>2026-01-20</Date><Belfer>Nowak</Belfer><Klasa>" << c
            << "a</Klasa><Klasyfikowanych>" << failGrades << "</Klasyfikowanych><Frekwencja><IleOsob>0</IleOsob>"
            << "</Frekwencja><Pasek><IleOsob>0</IleOsob></Pasek><Ndst><IleOsob>" << failGrades << "</IleOsob>"
            << pupils << "</Ndst></Szkola>";
    }
    return folder;
}

void SummaryPerRecord(benchmark::State& run) {
    const int classes = static_cast<int>(run.range(0)), failGrades = static_cast<int>(run.range(1));
    const fs::path folder = FailGradesFolder(classes, failGrades);
    ProgramState state;
    state.PageFilePath = (fs::temp_directory_path() / "ulnik-bench-records.htm").string();
    SilentShell shell;
    QtLocale locale;
    SchoolPages pages(state, shell, locale);
    for (auto _ : run)
        if (ExitCodeOf(pages.Build(SchoolPageKind::Summary, folder.string())) != 0) run.SkipWithError("not whole");
    const double records = static_cast<double>(classes) * failGrades;
    run.counters["s_per_record"] = benchmark::Counter(records * static_cast<double>(run.iterations()),
                                                      benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
    fs::remove_all(folder);
    fs::remove(state.PageFilePath);
}

void CombinedReport(benchmark::State& run) {
    std::vector<fs::path> samples;
    for (const auto& entry : fs::directory_iterator(ULNIK_SOURCE_DIR "/samples"))
        if (entry.path().extension() == ".xml") samples.push_back(entry.path());
    std::sort(samples.begin(), samples.end());
    const int files = static_cast<int>(run.range(0));
    Build(run, SchoolPageKind::Combined, MakeFolder("combined", samples, files), files);
}

BENCHMARK(ClassificationSummary)->Arg(1000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(FolderCheck)->Arg(1000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(SummaryPerRecord)
    ->ArgsProduct({{100, 1000}, {10, 100, 1000}})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK(CombinedReport)->Arg(300)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
