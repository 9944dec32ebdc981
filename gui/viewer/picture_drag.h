#pragma once
// A borderless window moves when its background picture is dragged. Only X11 lets a program
// place its own windows; elsewhere the window manager is asked to move it.
#include <QObject>
#include <QPoint>

class HotLabel;
class QWidget;

class PictureDrag : public QObject {
public:
    // Drags `window` by `picture`, a label inside it.
    PictureDrag(HotLabel* picture, QWidget* window);
    // Nothing is held down: a window shown again starts undragged.
    void Reset() { DragActive = false; }

private:
    void ImTloMouseDown(QPoint screenPos);
    void ImTloMouseMove(QPoint screenPos);
    void ImTloMouseUp();

    QWidget* window_;
    bool DragActive = false;
    QPoint DragLastCursor;
};
