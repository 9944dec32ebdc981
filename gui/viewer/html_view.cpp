#include "html_view.h"

#include "tab_filter.h"
#include "window_key_claim.h"


#include <QChildEvent>
#include <QKeyEvent>
#include <QMouseEvent>

#include <optional>


HtmlView::HtmlView(QWidget* parent)
    : QWebEngineView(parent),
      page_(new ReportPage(this))
{
    setPage(page_);
    // Files dropped on the view belong to the window under it.
    setAcceptDrops(false);
    // Chromium's own menu (back, reload, view source) has nothing for a page file; the window
    // offers a menu of its own where it has one.
    setContextMenuPolicy(Qt::CustomContextMenu);
    connect(page_, &ReportPage::DocumentComplete, this, &HtmlView::DocumentComplete);
    connect(page_, &ReportPage::Failed, this, &HtmlView::Failed);
}

void HtmlView::Navigate(const QString& path)
{
    page_->LoadFile(path);
}

// The render widget comes and goes with the render process: each one is watched, by the page
// for its own keys and by the view for the window's.
void HtmlView::childEvent(QChildEvent* event)
{
    QWebEngineView::childEvent(event);
    if (event->added() && event->child()->isWidgetType()) {
        event->child()->installEventFilter(page_);
        event->child()->installEventFilter(this);
    }
}

bool HtmlView::TakeListKey(QEvent* event)
{
    if (!listKeys_ || (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease))
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    const Qt::KeyboardModifiers modifiers = key->modifiers() & ~Qt::KeypadModifier;
    std::optional<ListKey> which;
    // Tab comes as the window's stand-in for it, never as Tab.
    if (IsTabStandIn(key))
        which = modifiers & Qt::ShiftModifier ? ListKey::Previous : ListKey::Next;
    else if (modifiers == Qt::NoModifier && key->key() == Qt::Key_Down)
        which = ListKey::Next;
    else if (modifiers == Qt::NoModifier && key->key() == Qt::Key_Up)
        which = ListKey::Previous;
    else if (modifiers == Qt::NoModifier && (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter))
        which = ListKey::Open;
    if (!which)
        return false;
    if (event->type() == QEvent::KeyPress)
        emit ListKeyPressed(*which);
    return true;
}

bool HtmlView::eventFilter(QObject* watched, QEvent* event)
{
    if (TakeListKey(event))
        return true;
    if (event->type() == QEvent::MouseButtonPress) {
        const auto* press = static_cast<QMouseEvent*>(event);
        if (press->button() == Qt::LeftButton && press->modifiers() == Qt::NoModifier)
            emit LeftPressed(press->position().toPoint());
    }
    // Ignored, it goes on to the window and then to the window's shortcuts.
    if (IsWindowKey(window(), event)) {
        event->ignore();
        return true;
    }
    return QWebEngineView::eventFilter(watched, event);
}

