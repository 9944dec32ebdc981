#include "pdf_export.h"

#include <filesystem>
#include <iostream>

#include <QEventLoop>
#include <QFile>
#include <QTemporaryDir>
#include <QUrl>
#include <QWebEnginePage>

#include "exit_codes.h"
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

}  // namespace

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
