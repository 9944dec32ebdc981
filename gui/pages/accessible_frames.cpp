#include "accessible_frames.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QDialog>
#include <QWidget>

namespace {

// The application with the windows of widgets alone as its children: the web view's offscreen
// window is a window of the engine's drawing, which no user ever sees.
class ApplicationOfWidgets : public QAccessibleApplication {
public:
    int childCount() const override { return static_cast<int>(Windows().size()); }
    QAccessibleInterface* child(int index) const override {
        const QList<QAccessibleInterface*> windows = Windows();
        return index >= 0 && index < windows.size() ? windows[index] : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return static_cast<int>(Windows().indexOf(const_cast<QAccessibleInterface*>(child)));
    }

private:
    static QList<QAccessibleInterface*> Windows() {
        QList<QAccessibleInterface*> windows;
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (widget->isVisible() && widget->windowType() != Qt::Popup)
                if (QAccessibleInterface* window = QAccessible::queryAccessibleInterface(widget))
                    windows.append(window);
        return windows;
    }
};

// A dialog is told as one, and as modal while it holds the program's other windows.
class Frame : public QAccessibleWidget {
public:
    explicit Frame(QWidget* window)
        : QAccessibleWidget(window, qobject_cast<QDialog*>(window) ? QAccessible::Dialog : QAccessible::Window) {}

    QAccessible::State state() const override {
        QAccessible::State frame = QAccessibleWidget::state();
        frame.modal = widget()->isModal();
        return frame;
    }
};

QAccessibleInterface* Frames(const QString& key, QObject* object) {
    if (key == QLatin1String("QApplication") && object == qApp) return new ApplicationOfWidgets;
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget || !widget->isWindow()) return nullptr;
    // A dialog is answered for at once: Qt's own answer for QDialog would come first, unmodal.
    if (qobject_cast<QDialog*>(widget))
        return key == QLatin1String(widget->metaObject()->className()) ? new Frame(widget) : nullptr;
    // Every top-level window of ours is drawn by itself, without the desktop's frame.
    return key == QLatin1String("QWidget") ? new Frame(widget) : nullptr;
}

}  // namespace

void InstallAccessibleFrames() { QAccessible::installFactory(Frames); }
