// ulnik: the viewer. Starts the application titled "Ulnik", the main window and then the
// message dialog, and runs until the window is closed.
#include "command_guard.h"
#include "command_line.h"
#include "exit_codes.h"
#include "file_access.h"
#include "html_view.h"
#include "message_box.h"
#include "pdf_export.h"
#include "program_files.h"
#include "program_fonts.h"
#include "quit_on_signals.h"
#include "qt_translations.h"
#include "screenshot.h"
#include "terminal_shell.h"
#include "tfbrowser.h"
#include "viewer_messages.h"
#include "ulnik_version.h"

#include <QApplication>
#include <QFile>
#include <QLoggingCategory>
#include <QTimer>

#include <iostream>

namespace {

void PrepareEnvironment(const CommandLine& command)
{
    const bool platformChosen = qEnvironmentVariableIsSet("QT_QPA_PLATFORM");
    if (command.mode == CommandLine::Mode::Pdf && !platformChosen)
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // On a Wayland desktop the window's shape and its dragging need X11 (XWayland).
    else if (!platformChosen && qEnvironmentVariableIsSet("WAYLAND_DISPLAY") &&
             qEnvironmentVariableIsSet("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "xcb");
}

bool WritesOverItsInput(const CommandLine& command)
{
    const bool writes = command.mode == CommandLine::Mode::Pdf || command.mode == CommandLine::Mode::Screenshot;
    return writes && !command.input.empty() && SameFile(command.output, command.input);
}

int RunViewer(QApplication& app, const CommandLine& command)
{
    TFBrowser window;
    CreateWarningDialog(&window);
    const QuitOnSignals quitOnSignals;
    window.show();
    const QString input = QFile::decodeName(QByteArray::fromStdString(command.input));
    if (command.mode == CommandLine::Mode::Screenshot) {
        Screenshot screenshot(window, QFile::decodeName(QByteArray::fromStdString(command.output)), input);
        QTimer::singleShot(0, &screenshot, &Screenshot::Begin);
        return app.exec();
    }
    if (!input.isEmpty())
        QTimer::singleShot(0, &window, [&window, input] { RunCommand([&] { window.OpenPath(input); }); });
    return app.exec();
}

// The page is loaded into the viewer's own safe view, never shown.
int WritePdf(const CommandLine& command)
{
    HtmlView view;
    const auto exportPdf = command.allReports ? ExportAllReportsPdf : ExportPdf;
    // Why a page could not be shown is told here; the export says only that it was not written.
    QObject::connect(&view, &HtmlView::Failed, &view, [](PageFailure why) {
        std::cerr << MessageForTerminal(std::string(why == PageFailure::Crashed ? viewer_messages::kPageCrashed
                                                                                : viewer_messages::kPageTimedOut))
                  << '\n';
    });
    return exportPdf(*view.page(), command.output, command.input,
                     [&view](QWebEnginePage&, const QString& path, std::function<void(bool)> done) {
                         view.NavigateThen(path, std::move(done));
                     });
}

int Run(int argc, char* argv[])
{
    const CommandLine command = ParseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
    switch (command.mode) {
    case CommandLine::Mode::Version: std::cout << "ulnik " << ULNIK_VERSION << '\n'; return 0;
    case CommandLine::Mode::Help: std::cout << kViewerUsage; return 0;
    case CommandLine::Mode::Usage: std::cerr << kViewerUsage; return 1;
    default: break;
    }
    if (WritesOverItsInput(command)) {
        std::cerr << "ulnik: refusing to write over the report itself: " << command.output << '\n';
        return kUsageError;
    }
    PrepareEnvironment(command);
    // The page names Windows fonts: show it with faces of the same metrics, as it was made.
    UseProgramFonts(ExecutableDir());
    // WebEngine describes its GL set-up on every start; the user has no use for it.
    QLoggingCategory::setFilterRules(QStringLiteral("qt.webenginecontext.info=false"));
    // The window follows the screen's scale unrounded: the skin is drawn at 1.5x as well as 2x.
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::PassThrough);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Ulnik"));
    QApplication::setApplicationDisplayName(QStringLiteral("Ulnik"));
    LoadQtTranslations(app);
    if (command.mode == CommandLine::Mode::Pdf)
        return WritePdf(command);
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
