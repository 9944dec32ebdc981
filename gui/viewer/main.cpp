// ulnik: the viewer. Starts the application titled "Ulnik", the main window and then the
// message dialog, and runs until the window is closed.
#include "accessible_frames.h"
#include "command_guard.h"
#include "command_line.h"
#include "exit_codes.h"
#include "file_access.h"
#include "message_box.h"
#include "pdf_export.h"
#include "program_files.h"
#include "program_fonts.h"
#include "quit_on_signals.h"
#include "run_folders.h"
#include "report_search.h"
#include "qt_translations.h"
#include "screenshot.h"
#include "terminal_shell.h"
#include "tfbrowser.h"
#include "safe_page.h"
#include "ulnik_version.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLoggingCategory>
#include <QTimer>

#include <algorithm>
#include <iostream>
#include <optional>

namespace {

void PrepareEnvironment(const CommandLine& command)
{
    EnableScreenReaders();
    DrawPagesInSoftware();
    const bool platformChosen = qEnvironmentVariableIsSet("QT_QPA_PLATFORM");
    if (command.mode == CommandLine::Mode::Pdf && !platformChosen)
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // On a Wayland desktop the window's shape and its dragging need X11 (XWayland).
    else if (!platformChosen && qEnvironmentVariableIsSet("WAYLAND_DISPLAY") &&
             qEnvironmentVariableIsSet("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "xcb");
}

// Chromium's log lines ("ERROR:command_buffer_proxy_impl.cc…") and Qt's own notes, in English
// and of no use to the user, would stand on standard error beside the program's Polish words:
// ULNIK_DEBUG lets them through. WebEngine describes its GL set-up on every start either way.
void KeepEngineLogsOffTheTerminal()
{
    if (qEnvironmentVariableIsSet("ULNIK_DEBUG")) {
        QLoggingCategory::setFilterRules(QStringLiteral("qt.webenginecontext.info=false"));
        return;
    }
    QByteArray flags = qgetenv("QTWEBENGINE_CHROMIUM_FLAGS");
    qputenv("QTWEBENGINE_CHROMIUM_FLAGS", flags.append(flags.isEmpty() ? "" : " ").append("--log-level=3"));
    QLoggingCategory::setFilterRules(QStringLiteral("*.debug=false\n*.info=false\n*.warning=false"));
}

// Without a display Qt would abort with its list of plugins: say what is wrong, in the user's
// language, and what works without one.
bool NeedsADisplayItHasNot(const CommandLine& command)
{
    return command.mode != CommandLine::Mode::Pdf && !qEnvironmentVariableIsSet("QT_QPA_PLATFORM") &&
           qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

bool WritesOverItsInput(const CommandLine& command)
{
    const bool writes = command.mode == CommandLine::Mode::Pdf || command.mode == CommandLine::Mode::Screenshot;
    if (!writes || command.input.empty())
        return false;
    if (SameFile(command.output, command.input))
        return true;
    // The page of a folder is no reason to lose one of its reports.
    const std::vector<std::string> reports = FindReportFiles(command.input);
    return std::any_of(reports.begin(), reports.end(),
                       [&](const std::string& report) { return SameFile(command.output, report); });
}

std::optional<SchoolPageKind> SchoolPageShown(const CommandLine& command)
{
    switch (command.shows) {
    case CommandLine::Shows::CombinedReport: return SchoolPageKind::Combined;
    case CommandLine::Shows::ClassificationSummary: return SchoolPageKind::Summary;
    case CommandLine::Shows::FileCheck: return SchoolPageKind::Check;
    default: return std::nullopt;
    }
}

int RunViewer(QApplication& app, const CommandLine& command)
{
    const QString input = QFile::decodeName(QByteArray::fromStdString(command.input));
    if (command.mode == CommandLine::Mode::Screenshot) {
        // Nobody is there to close a message dialog: messages go to the terminal.
        TerminalShell terminal(std::cerr);
        TFBrowser window(&terminal);
        const QuitOnSignals quitOnSignals;
        window.show();
        Screenshot screenshot(window, terminal, QFile::decodeName(QByteArray::fromStdString(command.output)), input,
                              SchoolPageShown(command));
        QTimer::singleShot(0, &screenshot, &Screenshot::Begin);
        return app.exec();
    }
    TFBrowser window;
    CreateWarningDialog(&window);
    const QuitOnSignals quitOnSignals;
    window.show();
    if (!input.isEmpty())
        QTimer::singleShot(0, &window, [&window, input] { RunCommand([&] { window.OpenPath(input); }); });
    return app.exec();
}

// The page is loaded into a page of the viewer's own safe kind, never shown. A run ended by a
// signal writes nothing, and its scratch page goes with it.
int WritePdf(QApplication& app, const CommandLine& command)
{
    const QuitOnSignals quitOnSignals;
    TerminalShell terminal(std::cerr);
    PdfExport exporter(terminal);
    int code = kDamaged;
    const auto done = [&app, &code](int exitCode) {
        code = exitCode;
        app.quit();
    };
    QTimer::singleShot(0, &exporter, [&] {
        if (const std::optional<SchoolPageKind> kind = SchoolPageShown(command))
            return exporter.ExportSchoolPage(command.output, *kind, command.input, done);
        if (command.shows == CommandLine::Shows::AllReports)
            return exporter.ExportAllReports(command.output, command.input, done);
        exporter.ExportPage(command.output, command.input, done);
    });
    app.exec();
    return code;
}

int Run(int argc, char* argv[])
{
    const std::vector<std::string> args(argv + 1, argv + argc);
    const CommandLine command = ParseCommandLine(args);
    switch (command.mode) {
    case CommandLine::Mode::Version: std::cout << "ulnik " << ULNIK_VERSION << '\n'; return 0;
    case CommandLine::Mode::Help: std::cout << kViewerUsage; return 0;
    case CommandLine::Mode::Usage: std::cerr << UsageProblem(args) << kViewerUsage; return 1;
    default: break;
    }
    if (WritesOverItsInput(command)) {
        std::cerr << "ulnik: wynik nie zostanie zapisany na samym sprawozdaniu: " << TerminalName(command.output)
                  << '\n';
        return kUsageError;
    }
    if (NeedsADisplayItHasNot(command)) {
        std::cerr << kNoDisplay;
        return kUsageError;
    }
    PrepareEnvironment(command);
    // The page names Windows fonts: show it with faces of the same metrics, as it was made.
    UseProgramFonts(ExecutableDir());
    KeepEngineLogsOffTheTerminal();
    // The window follows the screen's scale unrounded: the skin is drawn at 1.5x as well as 2x.
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::PassThrough);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Ulnik"));
    QApplication::setApplicationDisplayName(QStringLiteral("Ulnik"));
    LoadQtTranslations(app);
    InstallAccessibleFrames();
    // Printing's scratch folders of runs that were killed hold pupils' pages: they go first.
    RemoveStaleRunFolders(QFile::encodeName(QDir::tempPath()).toStdString(), kScratchFolderPrefix);
    if (command.mode == CommandLine::Mode::Pdf)
        return WritePdf(app, command);
    return RunViewer(app, command);
}

}  // namespace

int main(int argc, char* argv[])
{
    try {
        return Run(argc, argv);
    } catch (const std::exception& e) {
        std::cerr << "ulnik: " << e.what() << '\n';
    } catch (...) {
        std::cerr << "ulnik: unexpected failure\n";
    }
    return 1;
}
