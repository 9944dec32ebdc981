#include "tfbrowser.h"

#include "browser_layout.h"
#include "choose_dialogs.h"
#include "command_guard.h"
#include "command_table.h"
#include "copy_all.h"
#include "help.h"
#include "help_window.h"
#include "hot_label.h"
#include "html_view.h"
#include "page_printer.h"
#include "page_zoom.h"
#include "picture_drag.h"
#include "start_hint.h"
#include "window_slot.h"
#include "tab_filter.h"
#include "window_face.h"
#include "window_notice.h"
#include "window_outline.h"
#include "workspace.h"

#include <QAction>
#include <QApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMenu>
#include <QMimeData>
#include <QPointer>
#include <QScreen>

#include <algorithm>
#include <functional>
#include <stdexcept>
#include <utility>

namespace layout = browser_layout;

namespace {

constexpr auto kPrintHint = "Shift - podgląd wydruku\nAlt - wybór drukarki";

constexpr auto kCopied = "Skopiowano";

}  // namespace

TFBrowser::TFBrowser(Shell* messages, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint),
      messages_(messages ? *messages : dialogShell_)
{
    setObjectName(QStringLiteral("FBrowser"));
    setWindowTitle(QStringLiteral("Ulnik"));
    setAcceptDrops(true);
    face_ = BuildWindowFace(this);
    WebBrowser = face_.WebBrowser;
    drag_ = new PictureDrag(face_.ImTlo, this);
    notice_ = new WindowNotice(face_.PPodTlo, layout::kViewPanel);
    auto* hint = new StartHint(face_.PPodTlo, layout::kViewPanel);
    printer_ = new PagePrinter(WebBrowser->page(), this, messages_);
    workspace_ = new Workspace(WebBrowser, printer_, messages_, this);
    connect(workspace_, &Workspace::DocumentComplete, this, &TFBrowser::DocumentComplete);
    connect(workspace_, &Workspace::DocumentComplete, hint, &QObject::deleteLater);
    connect(workspace_, &Workspace::PageFailed, this, &TFBrowser::PageFailed);
    connect(printer_, &PagePrinter::delivered, notice_, &WindowNotice::Tell);
    zoom_ = new PageZoom(WebBrowser);
    WireCommands();
    InstallTabFilter(this);
}

TFBrowser::~TFBrowser() = default;

const PathOpened& TFBrowser::LastOpened() const
{
    return workspace_->LastOpened();
}

const ProgramState& TFBrowser::State() const
{
    return workspace_->State();
}

bool TFBrowser::OpenPath(const QString& path)
{
    bool shown = false;
    workspace_->Exclusively([&] { shown = workspace_->OpenPath(path); });
    return shown;
}

SchoolPageOutcome TFBrowser::OpenSchoolPage(SchoolPageKind kind, const QString& folder)
{
    SchoolPageOutcome built{ListOutcome::Cancelled, {}};
    workspace_->Exclusively([&] { built = workspace_->OpenSchoolPageOf(kind, folder); });
    return built;
}

// One action per command, whatever runs it: its keys work wherever the focus is in the window,
// the page too (the view leaves them to the window), and its hot area triggers it.
void TFBrowser::WireCommands()
{
    using C = WindowCommand;
    for (const CommandRow& row : kCommands) {
        auto* action = new QAction(this);
        action->setShortcuts(ShortcutsOf(row.command));
        action->setShortcutContext(Qt::WindowShortcut);
        if (row.word)
            action->setText(QString::fromUtf8(row.word));
        addAction(action);
        connect(action, &QAction::triggered, this, [this, run = row.run] {
            workspace_->Exclusively([&] { RunCommand([&] { (this->*run)(); }); });
            TakeKeysBack();
        });
        actions_[row.command] = action;
    }
    for (const layout::HotAreaPlace& place : layout::kHotAreas) {
        if (place.area != layout::HotArea::Drukuj)
            connect(face_.HotAreaOf(place.area), &HotLabel::clicked, actions_.at(RowOf(place.area).command),
                    &QAction::trigger);
    }
    actions_.at(C::CombinedReport)->setText(SchoolPageName(SchoolPageKind::Combined));
    actions_.at(C::ClassificationSummary)->setText(SchoolPageName(SchoolPageKind::Summary));
    actions_.at(C::FileCheck)->setText(SchoolPageName(SchoolPageKind::Check));
    connect(WebBrowser, &QWidget::customContextMenuRequested, this, &TFBrowser::PageMenu);
    // A press on Drukuj chooses how to print by its button and keys (LDrukujMouseDown).
    connect(face_.HotAreaOf(layout::HotArea::Drukuj), &HotLabel::pressedWithState, this,
            [this](Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, bool doubleClick) {
                workspace_->Exclusively(
                    [&] { RunCommand([&] { printer_->Press(buttons, modifiers, doubleClick); }); });
            });
}

// The list's menu leads to the school's pages of its folder; other pages have none.
void TFBrowser::PageMenu(QPoint pos)
{
    if (!workspace_->ListShown())
        return;
    auto* menu = new QMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->addAction(actions_.at(WindowCommand::CombinedReport));
    menu->addAction(actions_.at(WindowCommand::ClassificationSummary));
    menu->addAction(actions_.at(WindowCommand::FileCheck));
    menu->popup(WebBrowser->mapToGlobal(pos));
}

// A copy that fails once under way is told as one that cannot start.
CopyDone TFBrowser::CopyEnded()
{
    return [notice = QPointer<WindowNotice>(notice_)](const std::string& failure) {
        if (!failure.empty())
            ShowDefaultError(std::make_exception_ptr(std::runtime_error(failure)));
        else if (notice)
            notice->Tell(QString::fromUtf8(kCopied));
    };
}

void TFBrowser::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!std::exchange(shown_, true))
        FormShow();
}

void TFBrowser::FormShow()
{
    drag_->Reset();
    ShapeWindow(*this);
    face_.HotAreaOf(layout::HotArea::Drukuj)->setToolTip(QString::fromUtf8(kPrintHint));
    CentreOnScreen();
}

// At the centre, or as many steps from it as other windows were there first, within the screen.
void TFBrowser::CentreOnScreen()
{
    const QScreen* screen = this->screen();
    if (!screen)
        return;
    const QRect room = screen->availableGeometry();
    const QPoint centred = room.center() - rect().center();
    const QPoint placed = centred + QPoint(1, 1) * (WindowSlot::kStep * slot_.Index());
    move(std::min(placed.x(), std::max(centred.x(), room.right() - width())),
         std::min(placed.y(), std::max(centred.y(), room.bottom() - height())));
}

// A dialog a command showed has closed and left no window active (a window manager may, once
// two dialogs close one after the other): the keys come back here rather than go nowhere.
void TFBrowser::TakeKeysBack()
{
    if (isVisible() && !QApplication::activeModalWidget() && !QApplication::activeWindow())
        activateWindow();
}

// --- commands ----------------------------------------------------------------------------------

void TFBrowser::LOpenClick()
{
    if (const QString report = ChooseReport(this, State().CurrentReportPath); !report.isEmpty())
        workspace_->OpenChosenReport(report);
}

void TFBrowser::LPonowClick()
{
    workspace_->Retry();
}

void TFBrowser::LListaPlikowClick()
{
    if (const QString folder = ChooseFolder(this, State().LastFolder); !folder.isEmpty())
        workspace_->ListChosenFolder(folder);
}

// Without a list to stand for a folder, the page is of the folder the user names now: never of
// one named before.
void TFBrowser::SchoolPageClick(SchoolPageKind kind)
{
    if (workspace_->ListShown()) {
        workspace_->OpenSchoolPage(kind);
        return;
    }
    if (const QString folder = ChooseFolder(this, State().LastFolder); !folder.isEmpty())
        workspace_->OpenSchoolPageOf(kind, folder);
}

void TFBrowser::PrintClick()
{
    printer_->Print(true);
}

void TFBrowser::PreviewClick()
{
    printer_->Preview();
}

void TFBrowser::BackClick()
{
    workspace_->BackToList();
}

void TFBrowser::ZoomInClick()
{
    zoom_->ZoomIn();
}

void TFBrowser::ZoomOutClick()
{
    zoom_->ZoomOut();
}

void TFBrowser::ZoomResetClick()
{
    zoom_->Reset();
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

// The selection when there is one, else the whole page, as Ctrl+C does.
void TFBrowser::LCopiujClick()
{
    CopySelectionOrAll(WebBrowser, CopyEnded());
}

// The program's own window, not the desktop's browser: with no browser, or nothing to start
// one with, the desktop would show nothing at all.
void TFBrowser::LPomocClick()
{
    if (!help_)
        help_ = new HelpWindow(this);
    help_->ShowHelp(HelpFilePath());
}

// --- drops -------------------------------------------------------------------------------------

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
        workspace_->Exclusively([&] { RunCommand([&] { workspace_->Drop(urls.constFirst().toLocalFile()); }); });
}
