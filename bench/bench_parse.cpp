// Parse throughput of a report of about 1 MB, stored both ways the program accepts, against
// pugixml reading the same UTF-16 bytes.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>

#include <pugixml.hpp>

#include "code_page.h"
#include "pkxml.h"
#include "utf8.h"

namespace {

std::string ReportUtf8() {
    std::string text = "<?xml version=\"1.0\" encoding=\"windows-1250\"?>\r\n<Szkola>\r\n"
                       "  <Doc>Klasyfikacja klasy</Doc>\r\n  <Date>2024-01-20</Date>\r\n";
    for (int pupil = 1; text.size() < 1'000'000; ++pupil) {
        const std::string n = std::to_string(pupil);
        text += "  <Uczen" + n + " id=\"" + n + "\" klasa=\"3&quot;A&quot;\">\r\n";
        text += "    <Nazwisko>Żółkiewski &amp; syn</Nazwisko>\r\n    <IloscWierszy>4</IloscWierszy>\r\n";
        for (int line = 0; line < 4; ++line)
            text += "    <w" + std::to_string(line) + ">  Zażółć gęślą jaźń, " + n + "  </w" +
                    std::to_string(line) + ">\r\n";
        text += "  </Uczen" + n + ">\r\n";
    }
    return text + "</Szkola>\r\n";
}

TpkXMLBuf Cp1250Bytes() {
    const std::string ansi = WideToAnsi(Utf8ToWide(ReportUtf8()));
    return TpkXMLBuf(ansi.begin(), ansi.end());
}

TpkXMLBuf Utf16Bytes() {
    TpkXMLBuf bytes{0xFF, 0xFE};
    for (char16_t c : Utf8ToWide(ReportUtf8())) {
        bytes.push_back(static_cast<std::uint8_t>(c & 0xFF));
        bytes.push_back(static_cast<std::uint8_t>(c >> 8));
    }
    return bytes;
}

void ParseOurs(benchmark::State& state, const TpkXMLBuf& bytes) {
    for (auto _ : state) {
        TpkXML doc;
        if (!doc.LoadFromBuffer(bytes)) state.SkipWithError("the report did not parse");
        benchmark::DoNotOptimize(doc.Root.ChildCount());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes.size()));
}

void BM_ParseCp1250(benchmark::State& state) {
    static const TpkXMLBuf bytes = Cp1250Bytes();
    ParseOurs(state, bytes);
}

void BM_ParseUtf16(benchmark::State& state) {
    static const TpkXMLBuf bytes = Utf16Bytes();
    ParseOurs(state, bytes);
}

void BM_PugixmlUtf16(benchmark::State& state) {
    static const TpkXMLBuf bytes = Utf16Bytes();
    for (auto _ : state) {
        pugi::xml_document doc;
        const auto result = doc.load_buffer(bytes.data(), bytes.size(), pugi::parse_default, pugi::encoding_utf16_le);
        if (!result) state.SkipWithError(result.description());
        benchmark::DoNotOptimize(doc.first_child());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes.size()));
}

BENCHMARK(BM_ParseCp1250)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ParseUtf16)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PugixmlUtf16)->Unit(benchmark::kMillisecond);

// Remembers each benchmark's throughput so the comparison can be printed at the end.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            // With repetitions, the median speaks for the benchmark.
            if (run.run_type == Run::RT_Aggregate && run.aggregate_name != "median") continue;
            const auto found = run.counters.find("bytes_per_second");
            if (found != run.counters.end()) rates_[run.run_name.function_name] = found->second.value;
        }
    }
    double Rate(const std::string& name) const {
        const auto found = rates_.find(name);
        return found == rates_.end() ? 0 : found->second;
    }

private:
    std::map<std::string, double> rates_;
};

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const double ours = reporter.Rate("BM_ParseUtf16"), pugi = reporter.Rate("BM_PugixmlUtf16");
    if (ours > 0 && pugi > 0) {
        std::printf("UTF-16: ours %.1f MB/s, pugixml %.1f MB/s, ratio ours/pugixml %.2f\n", ours / 1e6,
                    pugi / 1e6, ours / pugi);
    }
    benchmark::Shutdown();
}
