#include "tab_filter.h"

#include "warning_state.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>
#include <QWindow>

namespace {

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
    // The key-0 event sent below passes through this filter too; it must reach its widget
    // with TabPressed still set.
    if (substituting_)
        return false;
    if (!IsTabKey(event) || !Covers(watched)) {
        TabPressed = false;
        return false;
    }

    TabPressed = true;
    // Only the press is handed on, as key 0 without text: nothing takes it for a focus move
    // or a typed character, and the dialog's key handler sees TabPressed. The release and
    // the shortcut check are eaten, which keeps Tab away from every shortcut and focus chain.
    if (event->type() == QEvent::KeyPress) {
        const auto* tab = static_cast<QKeyEvent*>(event);
        QKeyEvent keyZero(QEvent::KeyPress, 0, tab->modifiers(), tab->nativeScanCode(),
                          tab->nativeVirtualKey(), tab->nativeModifiers(), QString(), tab->isAutoRepeat());
        substituting_ = true;
        QCoreApplication::sendEvent(watched, &keyZero);
        substituting_ = false;
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
