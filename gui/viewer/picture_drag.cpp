#include "picture_drag.h"

#include "hot_label.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QWidget>
#include <QWindow>

namespace {

bool CanPlaceWindows()
{
    return QGuiApplication::platformName() != QLatin1String("wayland");
}

}  // namespace

PictureDrag::PictureDrag(HotLabel* picture, QWidget* window) : QObject(window), window_(window)
{
    connect(picture, &HotLabel::pressed, this, &PictureDrag::ImTloMouseDown);
    connect(picture, &HotLabel::moved, this, &PictureDrag::ImTloMouseMove);
    connect(picture, &HotLabel::released, this, &PictureDrag::ImTloMouseUp);
}

void PictureDrag::ImTloMouseDown(QPoint screenPos)
{
    QCoreApplication::processEvents();
    if (!CanPlaceWindows()) {
        window_->windowHandle()->startSystemMove();
        return;
    }
    DragActive = true;
    DragLastCursor = screenPos;
}

void PictureDrag::ImTloMouseMove(QPoint screenPos)
{
    if (!DragActive)
        return;
    window_->move(window_->pos() + screenPos - DragLastCursor);
    DragLastCursor = screenPos;
}

void PictureDrag::ImTloMouseUp()
{
    DragActive = false;
}
