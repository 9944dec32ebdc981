// The printout of a report page: the stamped PDF of a one-page and a ten-page report (time and
// size), the stamping alone, and the time from Print() to the job handed to CUPS. Needs a
// display or QT_QPA_PLATFORM=offscreen, QTWEBENGINE_DISABLE_SANDBOX=1 as root, and for the
// CUPS figure a printer (scripts/cups-test-printer gives one of its own).
#include <benchmark/benchmark.h>

#include <iostream>
#include <map>
#include <memory>

#include <QApplication>
#include <QEventLoop>
#include <QFile>
#include <QPrinterInfo>
#include <QTimer>
#include <QUrl>
#include <QWebEnginePage>

#include "long_report.h"
#include "page_printer.h"
#include "pdf_stamp.h"
#include "program_state.h"
#include "qt_locale.h"
#include "report_opener.h"
#include "temp_dir.h"
#include "terminal_shell.h"

namespace {

// Lines of the long report that fill about this many A4 pages.
int LinesFor(int pages) { return pages == 1 ? 30 : pages * 60; }

template <typename Start>
void RunUntilDone(Start start) {
    QEventLoop loop;
    start([&loop] { loop.quit(); });
    loop.exec();
}

// A loaded report page, made once per size and kept for every run.
struct LoadedReport {
    TempDir scratch;
    QWebEnginePage page;
    TerminalShell messages{std::cerr};
    PagePrinter printer{&page, nullptr, messages};

    explicit LoadedReport(int pages) {
        ProgramState state;
        state.PageFilePath = scratch.PathOf("Temp.htm");
        TerminalShell shell(std::cerr);
        QtLocale locale;
        ReportOpener(state, shell, locale).OpenChosenFile(scratch.Write("r.xml", LongReport(LinesFor(pages))));
        RunUntilDone([&](auto done) {
            QObject::connect(&page, &QWebEnginePage::loadFinished, done);
            page.load(QUrl::fromLocalFile(QString::fromStdString(state.PageFilePath)));
        });
    }
};

// Freed before the application, as web pages must be.
std::map<int, std::unique_ptr<LoadedReport>> reports;

LoadedReport& ReportOf(int pages) {
    auto& report = reports[pages];
    if (!report) report = std::make_unique<LoadedReport>(pages);
    return *report;
}

std::string ReadAll(const std::string& path) {
    QFile file(QString::fromStdString(path));
    file.open(QIODevice::ReadOnly);
    return file.readAll().toStdString();
}

void BM_StampedPdf(benchmark::State& state) {
    LoadedReport& report = ReportOf(static_cast<int>(state.range(0)));
    const std::string path = report.scratch.PathOf("out.pdf");
    for (auto _ : state) {
        RunUntilDone([&](auto done) {
            report.printer.WritePdf(QString::fromStdString(path), [done](bool) { done(); });
        });
    }
    const std::string pdf = ReadAll(path);
    state.counters["bytes"] = static_cast<double>(pdf.size());
    state.counters["pages"] = CountPages(pdf);
}
BENCHMARK(BM_StampedPdf)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_StampOnly(benchmark::State& state) {
    LoadedReport& report = ReportOf(static_cast<int>(state.range(0)));
    QByteArray chromium;
    RunUntilDone([&](auto done) {
        report.page.printToPdf([&, done](const QByteArray& pdf) { chromium = pdf; done(); });
    });
    const std::string bytes = chromium.toStdString();
    PrintOptions options;
    for (auto _ : state) benchmark::DoNotOptimize(StampPageLines(bytes, options));
    state.counters["chromium_bytes"] = static_cast<double>(bytes.size());
}
BENCHMARK(BM_StampOnly)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond);

void BM_PrintToCups(benchmark::State& state) {
    if (QPrinterInfo::availablePrinters().isEmpty()) {
        state.SkipWithError("no printer (run under scripts/cups-test-printer)");
        return;
    }
    LoadedReport& report = ReportOf(1);
    for (auto _ : state) {
        RunUntilDone([&](auto done) {
            auto connection = std::make_shared<QMetaObject::Connection>();
            *connection = QObject::connect(&report.printer, &PagePrinter::finished, [connection, done] {
                QObject::disconnect(*connection);
                done();
            });
            report.printer.Print(false);
        });
    }
}
BENCHMARK(BM_PrintToCups)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(10);

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    reports.clear();
    return 0;
}
