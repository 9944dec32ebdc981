#include "help_window.h"

#include "help_page.h"
#include "window_key_claim.h"

#include <QAction>
#include <QChildEvent>
#include <QScreen>
#include <QWebEngineHistory>

#include <algorithm>

namespace {
constexpr QSize kHelpSize(760, 600);
}  // namespace

HelpWindow::HelpWindow(QWidget* owner)
    : QWebEngineView(owner)
{
    setWindowFlag(Qt::Window);
    setObjectName(QStringLiteral("FPomoc"));
    setWindowTitle(QStringLiteral("Ulnik – pomoc"));
    resize(kHelpSize);
    page_ = new HelpPage(this);
    setPage(page_);
    // Dropped files would be taken for a page to show; the help shows only itself.
    setAcceptDrops(false);
    setContextMenuPolicy(Qt::NoContextMenu);
    connect(page_, &QWebEnginePage::titleChanged, this, [this](const QString& title) {
        if (!title.isEmpty())
            setWindowTitle(title);
    });
    const auto onKeys = [this](QList<QKeySequence> keys, auto run) {
        auto* action = new QAction(this);
        action->setShortcuts(keys);
        action->setShortcutContext(Qt::WindowShortcut);
        addAction(action);
        connect(action, &QAction::triggered, this, run);
    };
    onKeys({QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)}, [this] { close(); });
    onKeys({QKeySequence(Qt::ALT | Qt::Key_Left)}, [this] { page_->history()->back(); });
}

// The render widget comes and goes with the render process: each one hands the window its keys.
void HelpWindow::childEvent(QChildEvent* event)
{
    QWebEngineView::childEvent(event);
    if (event->added() && event->child()->isWidgetType())
        event->child()->installEventFilter(this);
}

bool HelpWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (IsWindowKey(this, event)) {
        event->ignore();
        return true;
    }
    return QWebEngineView::eventFilter(watched, event);
}

void HelpWindow::ShowHelp(const QString& path)
{
    page_->ShowFile(path);
    if (!isVisible())
        PlaceOnScreen();
    show();
    raise();
    activateWindow();
}

// Wholly on the screen of the window that asked for it, centred over that window where there is
// room: a help window running off the screen's foot hides its own scroll bar's end.
void HelpWindow::PlaceOnScreen()
{
    const QWidget* owner = parentWidget();
    const QScreen* screen = owner ? owner->screen() : this->screen();
    if (!screen)
        return;
    const QRect room = screen->availableGeometry();
    resize(kHelpSize.boundedTo(room.size()));
    const QPoint centre = owner ? owner->frameGeometry().center() : room.center();
    QRect placed(QPoint(0, 0), size());
    placed.moveCenter(centre);
    move(std::clamp(placed.x(), room.left(), room.right() + 1 - width()),
         std::clamp(placed.y(), room.top(), room.bottom() + 1 - height()));
}
