#include "skin_painter.h"

#include <QFontMetricsF>
#include <QImage>
#include <QLinearGradient>
#include <QtMath>

namespace Skin {

QFont Font(int pixelSize, bool bold)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

QImage Canvas(QSize size, qreal scale, QImage::Format format)
{
    QImage image(qCeil(size.width() * scale), qCeil(size.height() * scale), format);
    image.setDevicePixelRatio(scale);
    return image;
}

void BeginPainting(QPainter& painter, QImage& image)
{
    painter.begin(&image);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing
                           | QPainter::SmoothPixmapTransform);
}

void DrawCaption(QPainter& painter, const QRectF& box, const QString& caption, const QFont& font,
                 const QColor& colour, bool underlineKey)
{
    const QFontMetricsF metrics(font);
    const qreal width = metrics.horizontalAdvance(caption);
    const qreal left = box.left() + (box.width() - width) / 2;
    const qreal baseline = box.top() + (box.height() + metrics.capHeight()) / 2;

    painter.save();
    painter.setFont(font);
    painter.setPen(colour);
    painter.drawText(QPointF(left, baseline), caption);
    if (underlineKey && !caption.isEmpty()) {
        const qreal keyWidth = metrics.horizontalAdvance(caption.left(1));
        const qreal y = baseline + 2.5;
        painter.setPen(QPen(colour, 1.2, Qt::SolidLine, Qt::FlatCap));
        painter.drawLine(QPointF(left + 0.5, y), QPointF(left + keyWidth - 0.5, y));
    }
    painter.restore();
}

void DrawButtonFace(QPainter& painter, const QRectF& box, qreal radius, const QColor& top,
                    const QColor& bottom, const QColor& border)
{
    QLinearGradient fill(box.topLeft(), box.bottomLeft());
    fill.setColorAt(0, top);
    fill.setColorAt(1, bottom);
    painter.save();
    painter.setPen(QPen(border, 1));
    painter.setBrush(fill);
    painter.drawRoundedRect(box.adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);
    painter.restore();
}

} // namespace Skin
