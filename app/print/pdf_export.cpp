#include "pdf_export.h"

#include <algorithm>
#include <filesystem>
#include <iostream>

#include <QEventLoop>
#include <QFile>
#include <QTemporaryDir>
#include <QUrl>
#include <QWebEnginePage>

#include "code_page.h"
#include "exit_codes.h"
#include "file_access.h"
#include "pdf_binder.h"
#include "report_search.h"
#include "utf8.h"
#include "page_printer.h"
#include "print_messages.h"
#include "qt_locale.h"
#include "terminal_shell.h"

namespace {

// Builds the page file as the viewer would show it.
int BuildPage(ProgramState& state, Shell& shell, const std::string& input) {
    QtLocale locale;
    std::error_code ignored;
    if (std::filesystem::is_directory(input, ignored))
        return ExitCodeOf(FolderLister(state, shell, locale).ListReceivedReports(input));
    return ExitCodeOf(ReportOpener(state, shell, locale).OpenChosenFile(input));
}

bool Load(QWebEnginePage& page, const std::string& path, const LoadPageFile& load) {
    QEventLoop loop;
    bool loaded = false;
    const auto done = [&](bool ok) {
        loaded = ok;
        loop.quit();
    };
    const QString file = QFile::decodeName(path.c_str());
    if (load) {
        load(page, file, done);
    } else {
        QObject::connect(&page, &QWebEnginePage::loadFinished, &loop, done);
        page.load(QUrl::fromLocalFile(file));
    }
    loop.exec();
    return loaded;
}

bool Write(QWebEnginePage& page, const std::string& outputPath, Shell& shell) {
    PagePrinter printer(&page, nullptr, shell);
    QEventLoop loop;
    bool written = false;
    printer.WritePdf(QFile::decodeName(outputPath.c_str()), [&](bool ok) {
        written = ok;
        loop.quit();
    });
    loop.exec();
    return written;
}

void LeftOut(Shell& shell, const std::string& path) {
    const std::string name = std::filesystem::path(path).filename().string();
    shell.ShowMessageBox(StyleZamknij, IconInformacja,
                         std::string(print_messages::kReportLeftOut) + WideToAnsi(Utf8ToWide(name)));
}

std::string ReadWhole(const std::string& path) {
    try {
        return ReadFileExclusive(path);
    } catch (const std::exception&) {
        return {};
    }
}

}  // namespace

AllReports PrintAllReports(QWebEnginePage& page, const std::vector<std::string>& files,
                           const std::vector<std::string>& lines, Shell& shell, const LoadPageFile& load) {
    AllReports all;
    const QTemporaryDir scratch;
    if (!scratch.isValid()) {
        all.leftOut = files;
        return all;
    }
    ProgramState state;
    state.PageFilePath = QFile::encodeName(scratch.filePath("Temp.htm")).toStdString();
    const std::string partPath = QFile::encodeName(scratch.filePath("report.pdf")).toStdString();
    QtLocale locale;
    ReportOpener opener(state, shell, locale);
    std::vector<BoundPrintout> printouts;
    for (std::size_t i = 0; i < files.size(); ++i) {
        std::string printout;
        // Each report is printed on its own, so its footer counts its own pages.
        if (opener.OpenChosenFile(files[i]) == ReportOutcome::Shown && Load(page, state.PageFilePath, load) &&
            Write(page, partPath, shell))
            printout = ReadWhole(partPath);
        if (printout.empty())
            all.leftOut.push_back(files[i]);
        else
            printouts.push_back({std::move(printout), AnsiToUtf8(i < lines.size() ? lines[i] : std::string())});
    }
    if (!printouts.empty()) {
        try {
            all.pdf = BindPrintouts(printouts);
        } catch (const std::exception&) {
            all.leftOut = files;
        }
    }
    return all;
}

int ExportAllReportsPdf(QWebEnginePage& page, const std::string& outputPath, const std::string& folder,
                        const LoadPageFile& load) {
    TerminalShell shell(std::cerr);
    ProgramState state;
    const QTemporaryDir scratch;
    state.PageFilePath = QFile::encodeName(scratch.filePath("Temp.htm")).toStdString();
    QtLocale locale;
    const int listed = ExitCodeOf(FolderLister(state, shell, locale).ListReceivedReports(folder));
    if (listed != kDone) return listed;
    bool leftOut = false;
    // The list leaves out without a word the files nobody can read; here they are named.
    for (const std::string& path : FindReportFiles(folder))
        if (std::find(state.FolderFiles.begin(), state.FolderFiles.end(), path) == state.FolderFiles.end()) {
            LeftOut(shell, path);
            leftOut = true;
        }
    const AllReports all = PrintAllReports(page, state.FolderFiles, state.FolderSummary, shell, load);
    for (const std::string& path : all.leftOut) LeftOut(shell, path);
    if (all.pdf.empty()) {
        shell.ShowMessageBox(StyleZamknij, IconInformacja, std::string(print_messages::kNoReportPrinted));
        return kDamaged;
    }
    try {
        WriteFileReplacing(outputPath, all.pdf);
    } catch (const std::exception&) {
        shell.ShowMessageBox(StyleZamknij, IconInformacja, std::string(print_messages::kCannotWritePdf));
        return kDamaged;
    }
    return leftOut || !all.leftOut.empty() ? kDamagedFolder : kDone;
}

int ExportPdf(QWebEnginePage& page, const std::string& outputPath, const std::string& input,
              const LoadPageFile& load) {
    TerminalShell shell(std::cerr);
    const QTemporaryDir scratch;
    if (!scratch.isValid()) {
        shell.ShowMessageBox(StyleZamknij, IconInformacja, std::string(print_messages::kCannotWritePdf));
        return kDamaged;
    }
    ProgramState state;
    state.PageFilePath = QFile::encodeName(scratch.filePath("Temp.htm")).toStdString();
    const int built = BuildPage(state, shell, input);
    if (built != kDone) return built;
    if (!Load(page, state.PageFilePath, load) || !Write(page, outputPath, shell)) {
        shell.ShowMessageBox(StyleZamknij, IconInformacja, std::string(print_messages::kCannotWritePdf));
        return kDamaged;
    }
    return kDone;
}
