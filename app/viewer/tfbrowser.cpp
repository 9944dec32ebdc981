#include "tfbrowser.h"

#include "browser_layout.h"
#include "command_guard.h"
#include "copy_all.h"
#include "help.h"
#include "help_window.h"
#include "page_printer.h"
#include "folder_progress_dialog.h"
#include "hot_label.h"
#include "html_view.h"
#include "message_box.h"
#include "page_file_location.h"
#include "resource_image.h"
#include "tab_filter.h"
#include "utf8.h"
#include "window_keys.h"

#include <QAction>
#include <QApplication>
#include <QBitmap>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMimeData>
#include <QPainter>
#include <QScreen>
#include <QWindow>

namespace layout = browser_layout;

namespace {

constexpr auto kBackgroundPictureName = "tlo";
constexpr auto kPrintHint = "Shift - podgl\u0105d wydruku\nAlt - wyb\u00f3r drukarki";
constexpr auto kOpenTitle = "Wska\u017c plik";
constexpr auto kOpenFilter = "Pliki sprawozda\u0144 (*.xml)";
constexpr auto kFolderTitle = "Wska\u017c folder";
constexpr auto kFolderListJobTitle = "Lista otrzymanych sprawozda\u0144";

std::string FileSystemPath(const QString& path)
{
    return QFile::encodeName(path).toStdString();
}

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

TFBrowser::TFBrowser(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint),
      opener_(state_, *this, locale_),
      lister_(state_, *this, locale_)
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
    printer_ = new PagePrinter(WebBrowser->page(), this, *this);
    WireHotAreas();
    WireKeys();
    InstallTabFilter(this);
}

TFBrowser::~TFBrowser() = default;

void TFBrowser::CreateControls()
{
    PPodTlo = Panel(this, "PPodTlo", layout::kBackgroundPanel);

    ImTlo = new HotLabel(PPodTlo);
    ImTlo->setObjectName(QStringLiteral("ImTlo"));
    ImTlo->setGeometry(layout::kBackgroundPicture);
    ImTlo->setPixmap(QPixmap::fromImage(LoadResourceImage(QString::fromLatin1(kBackgroundPictureName))));
    connect(ImTlo, &HotLabel::pressed, this, &TFBrowser::ImTloMouseDown);
    connect(ImTlo, &HotLabel::moved, this, &TFBrowser::ImTloMouseMove);
    connect(ImTlo, &HotLabel::released, this, &TFBrowser::ImTloMouseUp);

    PPodWebbrowser = Panel(PPodTlo, "PPodWebbrowser", layout::kViewPanel);
    PPodWebbrowser->setAutoFillBackground(true);
    WebBrowser = new HtmlView(PPodWebbrowser);
    WebBrowser->setObjectName(QStringLiteral("WebBrowser"));
    WebBrowser->setGeometry(QRect(QPoint(0, 0), layout::kViewPanel.size()));
    connect(WebBrowser, &HtmlView::DocumentComplete, this, &TFBrowser::WebBrowserDocumentComplete);

    for (const layout::HotAreaPlace& place : layout::kHotAreas) {
        auto* label = new HotLabel(PPodTlo);
        label->setObjectName(QString::fromLatin1(place.objectName));
        label->setGeometry(place.rect);
        label->setCursor(Qt::PointingHandCursor);
        label->ActAsButton(QString::fromUtf8(place.word));
    }
}

void TFBrowser::WireHotAreas()
{
    using layout::HotArea;
    for (const layout::HotAreaPlace& place : layout::kHotAreas) {
        auto* label = PPodTlo->findChild<HotLabel*>(QString::fromLatin1(place.objectName));
        auto onClick = [this, label](void (TFBrowser::*command)()) {
            connect(label, &HotLabel::clicked, this, [this, command] { RunCommand([&] { (this->*command)(); }); });
        };
        switch (place.area) {
        case HotArea::Copiuj: onClick(&TFBrowser::LCopiujClick); break;
        case HotArea::Drukuj:
            connect(label, &HotLabel::pressedWithState, this,
                    [this](Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, bool doubleClick) {
                        RunCommand([&] { LDrukujMouseDown(buttons, modifiers, doubleClick); });
                    });
            break;
        case HotArea::Open: onClick(&TFBrowser::LOpenClick); break;
        case HotArea::Ponow: onClick(&TFBrowser::LPonowClick); break;
        case HotArea::ListaPlikow: onClick(&TFBrowser::LListaPlikowClick); break;
        case HotArea::Pomoc: onClick(&TFBrowser::LPomocClick); break;
        case HotArea::Minimize: onClick(&TFBrowser::LMinimizeClick); break;
        case HotArea::Close: onClick(&TFBrowser::LCloseClick); break;
        }
    }
}

// The keys are the window's actions, so they work wherever the focus is in it, the page too
// (the view leaves them to the window).
void TFBrowser::WireKeys()
{
    QList<KeyCommand> wired;
    for (const WindowKey& key : kWindowKeys) {
        const KeyCommand command = key.command;
        if (wired.contains(command))
            continue;
        wired << command;
        auto* action = new QAction(this);
        action->setShortcuts(ShortcutsOf(command));
        action->setShortcutContext(Qt::WindowShortcut);
        addAction(action);
        auto onKey = [this, action](auto run) {
            connect(action, &QAction::triggered, this, [run] { RunCommand([&] { run(); }); });
        };
        switch (command) {
        case KeyCommand::Copy: onKey([this] { CopySelectionOrAll(WebBrowser); }); break;
        case KeyCommand::Print: onKey([this] { printer_->Print(true); }); break;
        case KeyCommand::Preview: onKey([this] { printer_->Preview(); }); break;
        case KeyCommand::Open: onKey([this] { LOpenClick(); }); break;
        case KeyCommand::Reopen: onKey([this] { LPonowClick(); }); break;
        case KeyCommand::List: onKey([this] { LListaPlikowClick(); }); break;
        case KeyCommand::Help: onKey([this] { LPomocClick(); }); break;
        case KeyCommand::Minimize: onKey([this] { LMinimizeClick(); }); break;
        case KeyCommand::Close: onKey([this] { LCloseClick(); }); break;
        }
    }
}

void TFBrowser::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!shown_) {
        shown_ = true;
        FormShow();
    }
}

void TFBrowser::FormShow()
{
    DragActive = false;
    state_.PageFilePath = FileSystemPath(ChoosePageFilePath(QCoreApplication::applicationDirPath()));
    state_.ThePage.clear();
    SetWindowShape();
    state_.FolderSummary.clear();
    state_.LastFolder.clear();
    PPodTlo->findChild<HotLabel*>(QStringLiteral("LDrukuj"))->setToolTip(QString::fromUtf8(kPrintHint));
    CentreOnScreen();
}

void TFBrowser::SetWindowShape()
{
    QBitmap shape(size());
    shape.fill(Qt::color0);
    QPainter painter(&shape);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::color1);
    const qreal radius = layout::kCornerEllipse / 2.0;
    painter.drawRoundedRect(QRect(QPoint(0, 0), layout::kOutlineSize), radius, radius);
    painter.end();
    setMask(shape);
}

void TFBrowser::CentreOnScreen()
{
    if (const QScreen* screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
}

// --- the pipeline's shell --------------------------------------------------------------------

MessageChoice TFBrowser::ShowMessageBox(MessageStyle style, MessageIcon icon, const std::string& text)
{
    if (messageHandler_) {
        messageHandler_(style, icon, text);
        return style == StyleZamknij ? ChoiceZamknij : ChoiceAnuluj;
    }
    return MessageChoice(::ShowMessageBox(style, icon, QString::fromStdString(AnsiToUtf8(text))));
}

void TFBrowser::Navigate(const std::string& path)
{
    // Printouts already asked for print the page they were asked for.
    printer_->LoadAfterPrintouts([this, page = FromFileSystem(path)] { WebBrowser->Navigate(page); });
}

void TFBrowser::WebBrowserDocumentComplete(bool ok)
{
    emit DocumentComplete(ok);
}

// --- opening ---------------------------------------------------------------------------------

bool TFBrowser::OpenPath(const QString& path)
{
    if (QFileInfo(path).isDir())
        return ListFolder(path);
    return ReportOpened(opener_.OpenChosenFile(FileSystemPath(path)));
}

void TFBrowser::LOpenClick()
{
    QFileDialog dialog(this, QString::fromUtf8(kOpenTitle));
    dialog.setNameFilter(QString::fromUtf8(kOpenFilter));
    dialog.setDefaultSuffix(QStringLiteral("xml"));
    // A typed name for a file that does not exist is taken: the pipeline says what is wrong.
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setSizeGripEnabled(true);
    if (!state_.CurrentReportPath.empty())
        dialog.selectFile(FromFileSystem(state_.CurrentReportPath));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    ReportOpened(opener_.OpenChosenFile(FileSystemPath(dialog.selectedFiles().constFirst())));
}

void TFBrowser::LPonowClick()
{
    ReportOpened(opener_.Retry());
}

void TFBrowser::LListaPlikowClick()
{
    const QString start = state_.LastFolder.empty() ? QCoreApplication::applicationDirPath()
                                                    : FromFileSystem(state_.LastFolder);
    const QString folder = QFileDialog::getExistingDirectory(this, QString::fromUtf8(kFolderTitle), start);
    if (!folder.isEmpty())
        ListFolder(folder);
}

bool TFBrowser::ListFolder(const QString& folder)
{
    FolderProgressDialog progress(this);
    if (lister_.ListReceivedReports(FileSystemPath(folder), &progress) != ListOutcome::Shown)
        return false;
    printer_->SetJobTitle(QString::fromUtf8(kFolderListJobTitle));
    return true;
}

// Print jobs are named after what they print, so that they can be told apart in the queue.
bool TFBrowser::ReportOpened(ReportOutcome outcome)
{
    if (outcome != ReportOutcome::Shown)
        return false;
    printer_->SetJobTitle(QFileInfo(FromFileSystem(state_.CurrentReportPath)).fileName());
    return true;
}

void TFBrowser::dragEnterEvent(QDragEnterEvent* event)
{
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

void TFBrowser::dropEvent(QDropEvent* event)
{
    event->acceptProposedAction();
    const QList<QUrl> urls = event->mimeData()->urls();
    RunCommand([&] { DropFiles(urls); });
}

void TFBrowser::DropFiles(const QList<QUrl>& urls)
{
    if (urls.isEmpty())
        return;
    const QString path = urls.constFirst().toLocalFile();
    if (!path.isEmpty() && QFileInfo(path).isDir())
        ListFolder(path);
    else
        ReportOpened(opener_.DropFile(FileSystemPath(path)));
}

// --- window commands -------------------------------------------------------------------------

void TFBrowser::LCloseClick()
{
    QFile::remove(FromFileSystem(state_.PageFilePath));
    QApplication::quit();
}

void TFBrowser::LMinimizeClick()
{
    showMinimized();
}

void TFBrowser::LCopiujClick()
{
    CopyAll();
}

void TFBrowser::LPomocClick()
{
    OpenHelpFile();
}

void TFBrowser::LDrukujMouseDown(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, bool doubleClick)
{
    printer_->Press(buttons, modifiers, doubleClick);
}

void TFBrowser::CopyAll()
{
    ::CopyAll(WebBrowser);
}

// The program's own window, not the desktop's browser: with no browser, or nothing to start
// one with, the desktop would show nothing at all.
void TFBrowser::OpenHelpFile()
{
    if (!help_)
        help_ = new HelpWindow(this);
    help_->ShowHelp(HelpFilePath());
}

// --- dragging by the picture -----------------------------------------------------------------

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
