// Ctrl+C on a report page, as the viewer does it: from the copy command to the safe HTML on
// the clipboard, Chromium's copy and SafeClipboardHtml together. One report holds thousands
// of MathML formulas in its values (the shape that once froze the window for seconds); a long
// plain report gives the scale. The goal is under a second for each. Run under xvfb-run, with
// QTWEBENGINE_DISABLE_SANDBOX=1 as root.
#include <benchmark/benchmark.h>

#include <iostream>
#include <map>
#include <memory>

#include <QApplication>
#include <QClipboard>
#include <QEventLoop>
#include <QMimeData>
#include <QTest>
#include <QWebEngineView>

#include "copy_all.h"
#include "long_report.h"
#include "program_state.h"
#include "qt_locale.h"
#include "report_opener.h"
#include "report_page.h"
#include "temp_dir.h"
#include "terminal_shell.h"

namespace {

std::string FormulaReport(int formulas) {
    std::string values;
    for (int i = 0; i < formulas; ++i) values += "&lt;math&gt;q&lt;/math&gt;";
    return "<?xml version=\"1.0\" encoding=\"windows-1250\"?><Szkola><Doc>Inne informacje</Doc>"
           "<Date>2026-01-22</Date><Belfer>Sikora Pawel</Belfer><Dotyczy>Wzory</Dotyczy><Info>"
           "<IloscWierszy>1</IloscWierszy><w0>" +
           values + "</w0></Info></Szkola>";
}

// A report shown in a window of its own, as the viewer shows it, kept for every run.
struct ShownReport {
    TempDir scratch;
    QWebEngineView view;

    explicit ShownReport(const std::string& xml) {
        auto* page = new ReportPage(&view);
        view.setPage(page);
        view.resize(800, 600);
        view.show();
        if (!QTest::qWaitForWindowExposed(&view)) std::cerr << "the report's window never showed\n";
        view.activateWindow();
        if (!QTest::qWaitForWindowActive(&view)) std::cerr << "the report's window never became active\n";
        ProgramState state;
        state.PageFilePath = scratch.PathOf("Temp.htm");
        TerminalShell shell(std::cerr);
        QtLocale locale;
        if (ReportOpener(state, shell, locale).OpenChosenFile(scratch.Write("r.xml", xml)) != ReportOutcome::Shown)
            std::cerr << "the report was not shown\n";
        QEventLoop loop;
        QObject::connect(page, &ReportPage::DocumentComplete, &loop, &QEventLoop::quit);
        page->LoadFile(QString::fromStdString(state.PageFilePath));
        loop.exec();
    }
};

// Freed before the application, as web pages must be.
std::map<std::string, std::unique_ptr<ShownReport>> reports;

void Copy(benchmark::State& state, const std::string& name, const std::string& xml) {
    auto& report = reports[name];
    if (!report) report = std::make_unique<ShownReport>(xml);
    std::string failure;
    for (auto _ : state) {
        QEventLoop loop;
        CopyAll(&report->view, [&](const std::string& outcome) {
            failure = outcome;
            loop.quit();
        });
        loop.exec();
        if (!failure.empty()) {
            state.SkipWithError(failure.c_str());
            return;
        }
    }
    state.counters["html_bytes"] = static_cast<double>(QApplication::clipboard()->mimeData()->html().toUtf8().size());
}

void BM_CopyFormulas(benchmark::State& state) {
    const int formulas = static_cast<int>(state.range(0));
    Copy(state, "formulas" + std::to_string(formulas), FormulaReport(formulas));
}
BENCHMARK(BM_CopyFormulas)->Arg(6000)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

void BM_CopyLongReport(benchmark::State& state) {
    const int lines = static_cast<int>(state.range(0));
    Copy(state, "long" + std::to_string(lines), LongReport(lines));
}
BENCHMARK(BM_CopyLongReport)->Arg(600)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    reports.clear();
    return 0;
}
