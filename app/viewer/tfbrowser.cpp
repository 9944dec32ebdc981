#include "tfbrowser.h"

#include "browser_layout.h"
#include "command_guard.h"
#include "copy_all.h"
#include "help.h"
#include "help_window.h"
#include "hot_label.h"
#include "html_view.h"
#include "page_printer.h"
#include "page_zoom.h"
#include "resource_image.h"
#include "tab_filter.h"
#include "window_outline.h"
#include "workspace.h"

#include <QAction>
#include <QApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMimeData>
#include <QScreen>
#include <QWindow>

#include <functional>
#include <utility>

namespace layout = browser_layout;

namespace {

constexpr auto kBackgroundPictureName = "tlo";
constexpr auto kPrintHint = "Shift - podgl\u0105d wydruku\nAlt - wyb\u00f3r drukarki";
constexpr auto kOpenTitle = "Wska\u017c plik";
constexpr auto kOpenFilter = "Pliki sprawozda\u0144 (*.xml)";
constexpr auto kFolderTitle = "Wska\u017c folder";

QString FromFileSystem(const std::string& path)
{
    return QFile::decodeName(QByteArray::fromStdString(path));
}

QWidget* Panel(QWidget* parent, const char* name, QRect rect)
{
    auto* panel = new QWidget(parent);
    panel->setObjectName(QString::fromLatin1(name));
    panel->setGeometry(rect);
    return panel;
}

// Only X11 lets a program place its own windows; elsewhere the window manager moves it.
bool CanPlaceWindows()
{
    return QGuiApplication::platformName() != QLatin1String("wayland");
}

}  // namespace

TFBrowser::TFBrowser(Shell* messages, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint),
      messages_(messages ? *messages : dialogShell_)
{
    setObjectName(QStringLiteral("FBrowser"));
    setWindowTitle(QStringLiteral("Ulnik"));
    setFixedSize(layout::kClientSize);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    setAutoFillBackground(true);
    setAcceptDrops(true);
    CreateControls();
    printer_ = new PagePrinter(WebBrowser->page(), this, messages_);
    workspace_ = new Workspace(WebBrowser, printer_, messages_, this);
    connect(workspace_, &Workspace::DocumentComplete, this, &TFBrowser::DocumentComplete);
    connect(workspace_, &Workspace::PageFailed, this, &TFBrowser::PageFailed);
    zoom_ = new PageZoom(WebBrowser);
    WireCommands();
    InstallTabFilter(this);
}

TFBrowser::~TFBrowser() = default;

const ProgramState& TFBrowser::State() const
{
    return workspace_->State();
}

bool TFBrowser::OpenPath(const QString& path)
{
    return workspace_->OpenPath(path);
}

void TFBrowser::CreateControls()
{
    PPodTlo = Panel(this, "PPodTlo", layout::kBackgroundPanel);

    ImTlo = new HotLabel(PPodTlo);
    ImTlo->setObjectName(QStringLiteral("ImTlo"));
    ImTlo->setGeometry(layout::kBackgroundPicture);
    ImTlo->setPixmap(QPixmap::fromImage(
        LoadResourceImage(QString::fromLatin1(kBackgroundPictureName), ImTlo->devicePixelRatioF())));
    connect(ImTlo, &HotLabel::pressed, this, &TFBrowser::ImTloMouseDown);
    connect(ImTlo, &HotLabel::moved, this, &TFBrowser::ImTloMouseMove);
    connect(ImTlo, &HotLabel::released, this, &TFBrowser::ImTloMouseUp);

    PPodWebbrowser = Panel(PPodTlo, "PPodWebbrowser", layout::kViewPanel);
    PPodWebbrowser->setAutoFillBackground(true);
    WebBrowser = new HtmlView(PPodWebbrowser);
    WebBrowser->setObjectName(QStringLiteral("WebBrowser"));
    WebBrowser->setGeometry(QRect(QPoint(0, 0), layout::kViewPanel.size()));

    for (const layout::HotAreaPlace& place : layout::kHotAreas) {
        auto* label = new HotLabel(PPodTlo);
        label->setObjectName(QString::fromLatin1(place.objectName));
        label->setGeometry(place.rect);
        label->setCursor(Qt::PointingHandCursor);
        label->ActAsButton(QString::fromUtf8(place.word));
    }
}

// One action per command, whatever runs it: its keys work wherever the focus is in the window,
// the page too (the view leaves them to the window), and its hot area triggers it.
void TFBrowser::WireCommands()
{
    using C = WindowCommand;
    const std::map<WindowCommand, std::function<void()>> run = {
        {C::Copy, [this] { CopySelectionOrAll(WebBrowser); }},
        {C::Print, [this] { printer_->Print(true); }},
        {C::Preview, [this] { printer_->Preview(); }},
        {C::Open, [this] { LOpenClick(); }},
        {C::Reopen, [this] { LPonowClick(); }},
        {C::List, [this] { LListaPlikowClick(); }},
        {C::Help, [this] { LPomocClick(); }},
        {C::Minimize, [this] { LMinimizeClick(); }},
        {C::Close, [this] { LCloseClick(); }},
        {C::Back, [this] { workspace_->BackToList(); }},
        {C::ZoomIn, [this] { zoom_->ZoomIn(); }},
        {C::ZoomOut, [this] { zoom_->ZoomOut(); }},
        {C::ZoomReset, [this] { zoom_->Reset(); }},
    };
    for (const auto& [command, body] : run) {
        auto* action = new QAction(this);
        action->setShortcuts(ShortcutsOf(command));
        action->setShortcutContext(Qt::WindowShortcut);
        addAction(action);
        connect(action, &QAction::triggered, this, [body] { RunCommand(body); });
        actions_[command] = action;
    }
    for (const layout::HotAreaPlace& place : layout::kHotAreas) {
        auto* label = PPodTlo->findChild<HotLabel*>(QString::fromLatin1(place.objectName));
        if (place.command)
            connect(label, &HotLabel::clicked, actions_.at(*place.command), &QAction::trigger);
    }
    // A press on Drukuj chooses how to print by its button and keys (LDrukujMouseDown).
    connect(PPodTlo->findChild<HotLabel*>(QStringLiteral("LDrukuj")), &HotLabel::pressedWithState, this,
            [this](Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, bool doubleClick) {
                RunCommand([&] { printer_->Press(buttons, modifiers, doubleClick); });
            });
}

void TFBrowser::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!std::exchange(shown_, true))
        FormShow();
}

void TFBrowser::FormShow()
{
    DragActive = false;
    ShapeWindow(*this);
    PPodTlo->findChild<HotLabel*>(QStringLiteral("LDrukuj"))->setToolTip(QString::fromUtf8(kPrintHint));
    CentreOnScreen();
}

void TFBrowser::CentreOnScreen()
{
    if (const QScreen* screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
}

// --- commands ----------------------------------------------------------------------------------

void TFBrowser::LOpenClick()
{
    QFileDialog dialog(this, QString::fromUtf8(kOpenTitle));
    dialog.setNameFilter(QString::fromUtf8(kOpenFilter));
    dialog.setDefaultSuffix(QStringLiteral("xml"));
    // A typed name for a file that does not exist is taken: the pipeline says what is wrong.
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setSizeGripEnabled(true);
    if (!State().CurrentReportPath.empty())
        dialog.selectFile(FromFileSystem(State().CurrentReportPath));
    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
        workspace_->OpenChosenReport(dialog.selectedFiles().constFirst());
}

void TFBrowser::LPonowClick()
{
    workspace_->Retry();
}

void TFBrowser::LListaPlikowClick()
{
    const QString start = State().LastFolder.empty() ? QCoreApplication::applicationDirPath()
                                                     : FromFileSystem(State().LastFolder);
    const QString folder = QFileDialog::getExistingDirectory(this, QString::fromUtf8(kFolderTitle), start);
    if (!folder.isEmpty())
        workspace_->ListChosenFolder(folder);
}

void TFBrowser::LCloseClick()
{
    workspace_->RemovePageFile();
    QApplication::quit();
}

void TFBrowser::LMinimizeClick()
{
    showMinimized();
}

void TFBrowser::LCopiujClick()
{
    CopyAll(WebBrowser);
}

// The program's own window, not the desktop's browser: with no browser, or nothing to start
// one with, the desktop would show nothing at all.
void TFBrowser::LPomocClick()
{
    if (!help_)
        help_ = new HelpWindow(this);
    help_->ShowHelp(HelpFilePath());
}

// --- drops and dragging by the picture ---------------------------------------------------------

void TFBrowser::dragEnterEvent(QDragEnterEvent* event)
{
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

void TFBrowser::dropEvent(QDropEvent* event)
{
    event->acceptProposedAction();
    const QList<QUrl> urls = event->mimeData()->urls();
    if (!urls.isEmpty())
        RunCommand([&] { workspace_->Drop(urls.constFirst().toLocalFile()); });
}

void TFBrowser::ImTloMouseDown(QPoint screenPos)
{
    QCoreApplication::processEvents();
    if (!CanPlaceWindows()) {
        windowHandle()->startSystemMove();
        return;
    }
    DragActive = true;
    DragLastCursor = screenPos;
}

void TFBrowser::ImTloMouseMove(QPoint screenPos)
{
    if (!DragActive)
        return;
    move(x() + screenPos.x() - DragLastCursor.x(), y() + screenPos.y() - DragLastCursor.y());
    DragLastCursor = screenPos;
}

void TFBrowser::ImTloMouseUp()
{
    DragActive = false;
}
