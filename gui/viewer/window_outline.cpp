#include "window_outline.h"

#include "browser_layout.h"

#include <QBitmap>
#include <QEvent>
#include <QGuiApplication>
#include <QPainter>
#include <QTimer>
#include <QWidget>
#include <QtMath>

#include <vector>

// Xlib's macros (None, Bool, KeyPress...) clash with Qt's names: these come last.
#include <X11/Xlib.h>
#include <X11/extensions/shape.h>

namespace layout = browser_layout;

namespace {

// Qt takes a window's mask in window pixels and scales it, so on a scaled screen the corners
// would step by whole window pixels (two device pixels each at 2x). X11 takes the shape in
// device pixels. Elsewhere Qt's mask is all there is. (The offscreen platform answers as X11
// too, with a display of its own that has no window of ours.)
void ShapeInDevicePixels(QWidget& window, const QRegion& outline)
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return;
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    const WId id = window.internalWinId();  // a window being taken down has none
    if (!x11 || !x11->display() || id == 0)
        return;
    std::vector<XRectangle> rectangles;
    for (const QRect& rect : outline)
        rectangles.push_back({static_cast<short>(rect.x()), static_cast<short>(rect.y()),
                              static_cast<unsigned short>(rect.width()), static_cast<unsigned short>(rect.height())});
    XShapeCombineRectangles(x11->display(), static_cast<Window>(id), ShapeBounding, 0, 0,
                            rectangles.data(), static_cast<int>(rectangles.size()), ShapeSet, Unsorted);
    XFlush(x11->display());
}

// Keeps the device-pixel shape on a window whose native window is made anew: the web view has
// it made again for its own drawing once it shows a page, and Qt gives the new one only its
// mask. The shape goes on once the event is over, after that mask, whenever Qt sets it.
class DeviceShapeKeeper : public QObject {
public:
    explicit DeviceShapeKeeper(QWidget& window) : QObject(&window), window_(window)
    {
        window.installEventFilter(this);
    }

    void Apply() { ShapeInDevicePixels(window_, WindowOutline(window_.devicePixelRatioF())); }

private:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == &window_ && event->type() == QEvent::WinIdChange)
            QTimer::singleShot(0, this, [this] { Apply(); });
        return false;
    }

    QWidget& window_;
};

}  // namespace

QRegion WindowOutline(qreal devicePixelRatio)
{
    const QSize outline = layout::kOutlineSize;
    QBitmap shape(qCeil(outline.width() * devicePixelRatio), qCeil(outline.height() * devicePixelRatio));
    shape.fill(Qt::color0);
    QPainter painter(&shape);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::color1);
    painter.scale(devicePixelRatio, devicePixelRatio);
    const qreal radius = layout::kCornerEllipse / 2.0;
    painter.drawRoundedRect(QRect(QPoint(0, 0), outline), radius, radius);
    painter.end();
    return QRegion(shape);
}

void ShapeWindow(QWidget& window)
{
    window.setMask(WindowOutline(1.0));
    (new DeviceShapeKeeper(window))->Apply();
}
