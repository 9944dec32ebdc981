#include "tfbrowser.h"

#include "browser_layout.h"
#include "command_guard.h"
#include "copy_all.h"
#include "help.h"
#include "help_window.h"
#include "page_printer.h"
#include "pdf_export.h"
#include "print_messages.h"
#include "code_page.h"
#include "folder_progress_dialog.h"
#include "hot_label.h"
#include "html_view.h"
#include "list_page.h"
#include "message_box.h"
#include "page_file_location.h"
#include "page_zoom.h"
#include "resource_image.h"
#include "load_warning.h"
#include "utf8.h"
#include "viewer_messages.h"
#include "window_outline.h"
#include "tab_filter.h"
#include "utf8.h"
#include "window_keys.h"

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
#include <QTimer>
#include <QWindow>

#include <utility>

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
    connect(WebBrowser, &HtmlView::DocumentComplete, this, &TFBrowser::WebBrowserDocumentComplete);
    connect(WebBrowser, &HtmlView::Failed, this, &TFBrowser::WebBrowserFailed);
    zoom_ = new PageZoom(WebBrowser);
    list_ = new ListPage(WebBrowser, state_, this);
    connect(list_, &ListPage::EntryClicked, this, [this](int index) { RunCommand([&] { OpenListEntry(index); }); });
    connect(list_, &ListPage::FolderChanged, this, [this] { RunCommand([&] { RefreshList(); }); });

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
        case KeyCommand::Back: onKey([this] { BackToList(); }); break;
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
    // The page file holds pupils' names and grades: it goes however the program ends.
    const auto removePageFile = [this] { QFile::remove(FromFileSystem(state_.PageFilePath)); };
    connect(qApp, &QCoreApplication::aboutToQuit, this, removePageFile);
    // A logout may end the program without a quit.
    connect(qApp, &QGuiApplication::commitDataRequest, this, removePageFile);
    state_.ThePage.clear();
    SetWindowShape();
    state_.FolderSummary.clear();
    state_.LastFolder.clear();
    PPodTlo->findChild<HotLabel*>(QStringLiteral("LDrukuj"))->setToolTip(QString::fromUtf8(kPrintHint));
    CentreOnScreen();
}

void TFBrowser::SetWindowShape()
{
    ShapeWindow(*this);
}

void TFBrowser::CentreOnScreen()
{
    if (const QScreen* screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
}

// --- the pipeline's shell --------------------------------------------------------------------

MessageChoice TFBrowser::ShowMessageBox(MessageStyle style, MessageIcon icon, const std::string& text)
{
    // A modal progress window left over the message would take its clicks.
    if (progress_)
        progress_->Close();
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
    if (ok)
        list_->PageLoaded();
    emit DocumentComplete(ok);
    // A report that breaks off shows only its beginning: say so once its page is up.
    if (ok && pendingBreak_)
        QTimer::singleShot(0, this, [this, where = *std::exchange(pendingBreak_, std::nullopt)] {
            ShowMessageBox(StyleZamknij, IconUwaga, IncompletePageNotice(where));
        });
}

void TFBrowser::WebBrowserFailed(PageFailure why)
{
    pendingBreak_.reset();
    emit PageFailed();
    ShowMessageBox(StyleZamknij, IconUwaga,
                   std::string(why == PageFailure::Crashed ? viewer_messages::kPageCrashed
                                                           : viewer_messages::kPageTimedOut));
}

// --- opening ---------------------------------------------------------------------------------

bool TFBrowser::OpenPath(const QString& path)
{
    returnTo_.reset();
    // Kept whole, so that the open and folder dialogs start in its folder, not wherever the
    // command line was typed.
    const QFileInfo named(path);
    if (named.isDir())
        return ListFolder(named.absoluteFilePath());
    return ReportOpened(opener_.OpenChosenFile(FileSystemPath(named.absoluteFilePath())));
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
    returnTo_.reset();
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
    if (!folder.isEmpty()) {
        returnTo_.reset();
        ListFolder(folder);
    }
}

bool TFBrowser::ListFolder(const QString& folder, ListMessages messages, QPointF scroll)
{
    ListOutcome outcome;
    if (messages == ListMessages::Quiet) {
        // Nothing pops up over the user's work for a listing the program started itself.
        outcome = lister_.ListReceivedReports(FileSystemPath(folder), nullptr, messages);
    } else {
        FolderProgressDialog progress(this);
        progress_ = &progress;
        outcome = lister_.ListReceivedReports(FileSystemPath(folder), &progress, messages);
        progress_ = nullptr;
    }
    if (outcome != ListOutcome::Shown)
        return false;
    list_->Showing(folder, scroll);
    printer_->SetJobTitle(QString::fromUtf8(kFolderListJobTitle));
    printer_->SetAllReports(int(state_.FolderFiles.size()), [this] { return AllReportsPrintout(); });
    return true;
}

// Every report of the list shown, each printed in a page of its own that nobody sees, with
// the shown page's safe policy; the ones that cannot be printed are named.
QByteArray TFBrowser::AllReportsPrintout()
{
    if (!printView_)
        printView_ = std::make_unique<HtmlView>();
    const AllReports all = PrintAllReports(
        *printView_->page(), state_.FolderFiles, state_.FolderSummary, *this,
        [this](QWebEnginePage&, const QString& path, std::function<void(bool)> done) {
            printView_->NavigateThen(path, std::move(done));
        });
    if (!all.leftOut.empty()) {
        std::string names;
        for (const std::string& path : all.leftOut)
            names += "\r" + WideToAnsi(Utf8ToWide(QFileInfo(FromFileSystem(path)).fileName().toStdString()));
        ShowMessageBox(StyleZamknij, IconInformacja, std::string(print_messages::kReportsLeftOut) + names);
    }
    return QByteArray::fromStdString(all.pdf);
}

void TFBrowser::OpenListEntry(int index)
{
    const QPointF scroll = list_->ScrollPosition();
    const ReportOutcome outcome = opener_.OpenChosenFile(state_.FolderFiles.at(size_t(index)));
    // The page file still holds the list, shown again from the top: back to where it was.
    if (!ReportOpened(outcome) && outcome != ReportOutcome::Damaged)
        list_->Showing(list_->Folder(), scroll);
}

void TFBrowser::BackToList()
{
    if (returnTo_ && !list_->Shown())
        ListFolder(returnTo_->folder, ListMessages::Shown, returnTo_->scroll);
}

// The last list stays when the folder cannot be listed now; the next change tries again.
void TFBrowser::RefreshList()
{
    if (!list_->Shown())
        return;
    const QString folder = list_->Folder();
    if (!ListFolder(folder, ListMessages::Quiet, list_->ScrollPosition()))
        list_->Showing(folder);
}

// Print jobs are named after what they print, so that they can be told apart in the queue.
bool TFBrowser::ReportOpened(ReportOutcome outcome)
{
    if (outcome != ReportOutcome::Shown)
        return false;
    // A report opened over the list, from it or otherwise, leads back to it.
    if (list_->Shown())
        returnTo_ = ListReturn{list_->Folder(), list_->ScrollPosition()};
    list_->Left();
    pendingBreak_ = opener_.LastBreak();
    printer_->SetAllReports(0, {});
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
    returnTo_.reset();
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

// --- reading size ------------------------------------------------------------------------------

void TFBrowser::keyPressEvent(QKeyEvent* event)
{
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier);
    const int key = event->key();
    // Plus is a shifted key on many keyboards, and "=" stands for it unshifted.
    if (modifiers == Qt::ControlModifier && (key == Qt::Key_Plus || key == Qt::Key_Equal))
        return zoom_->ZoomIn();
    if (modifiers == Qt::ControlModifier && key == Qt::Key_Minus)
        return zoom_->ZoomOut();
    if (modifiers == Qt::ControlModifier && key == Qt::Key_0)
        return zoom_->Reset();
    QWidget::keyPressEvent(event);
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
