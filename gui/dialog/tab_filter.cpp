#include "tab_filter.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>
#include <QWindow>

namespace {

// The one event object goes from the window to the focused widget and up its parents: its
// class marks it as a Tab all the way.
class TabStandIn final : public QKeyEvent {
public:
    using QKeyEvent::QKeyEvent;
};

bool IsTabKey(const QEvent* event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride: {
        const int key = static_cast<const QKeyEvent*>(event)->key();
        return key == Qt::Key_Tab || key == Qt::Key_Backtab;
    }
    default:
        return false;
    }
}

} // namespace

void TabFilter::Cover(QWidget* window)
{
    windows_.removeIf([](const QPointer<QWidget>& gone) { return gone.isNull(); });
    if (window && !windows_.contains(window))
        windows_.append(window);
}

// A key goes first to the window's QWindow, then to the widget with the focus.
bool TabFilter::Covers(QObject* receiver) const
{
    for (const QPointer<QWidget>& window : windows_) {
        if (!window)
            continue;
        if (receiver->isWidgetType() ? static_cast<QWidget*>(receiver)->window() == window
                                     : receiver == window->windowHandle())
            return true;
    }
    return false;
}

bool TabFilter::eventFilter(QObject* watched, QEvent* event)
{
    if (!IsTabKey(event) || !Covers(watched))
        return false;

    // Only the press is handed on, as key 0 without text: nothing takes it for a focus move
    // or a typed character, and the dialog's key handler knows it for a Tab. The release and
    // the shortcut check are eaten, which keeps Tab away from every shortcut and focus chain.
    if (event->type() == QEvent::KeyPress) {
        const auto* tab = static_cast<QKeyEvent*>(event);
        TabStandIn keyZero(QEvent::KeyPress, 0, tab->modifiers(), tab->nativeScanCode(), tab->nativeVirtualKey(),
                           tab->nativeModifiers(), QString(), tab->isAutoRepeat());
        QCoreApplication::sendEvent(watched, &keyZero);
    }
    return true;
}

void InstallTabFilter(QWidget* window)
{
    static QPointer<TabFilter> filter;
    if (!filter) {
        filter = new TabFilter(qApp);
        qApp->installEventFilter(filter);
    }
    filter->Cover(window ? window->window() : nullptr);
}

bool IsTabStandIn(const QKeyEvent* event)
{
    return dynamic_cast<const TabStandIn*>(event) != nullptr;
}
