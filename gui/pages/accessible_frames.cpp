#include "accessible_frames.h"

#include <QAccessibleWidget>
#include <QApplication>
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

QAccessibleInterface* Frames(const QString& key, QObject* object) {
    if (key == QLatin1String("QApplication") && object == qApp) return new ApplicationOfWidgets;
    // Every top-level window of ours is drawn by itself, without the desktop's frame.
    if (auto* widget = qobject_cast<QWidget*>(object); widget && widget->isWindow() && key == QLatin1String("QWidget"))
        return new QAccessibleWidget(widget, QAccessible::Window);
    return nullptr;
}

}  // namespace

void InstallAccessibleFrames() { QAccessible::installFactory(Frames); }
