#include "dialog_art.h"

#include "skin_painter.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QTransform>

namespace {

constexpr int FaceWidth = 350;
constexpr int FaceHeight = 150;
constexpr int TitleBarHeight = 32;
constexpr int FooterTop = 106;
const QRect IconRect(12, 4, 42, 43);
const QRect CloseRect(323, 8, 17, 17);
const QColor FooterColour(0xfb, 0xf8, 0xee);

void DrawTitleBar(QPainter& painter)
{
    QLinearGradient fill(0, 0, 0, TitleBarHeight);
    fill.setColorAt(0, Skin::YellowLight);
    fill.setColorAt(1, Skin::Yellow);
    painter.fillRect(QRect(0, 0, FaceWidth, TitleBarHeight), fill);
    painter.fillRect(QRect(0, TitleBarHeight - 1, FaceWidth, 1), Skin::YellowDeep);

    painter.setFont(Skin::Font(13, true));
    painter.setPen(Skin::Ink);
    painter.drawText(QRect(64, 0, 200, TitleBarHeight - 1), Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("Ulnik"));
}

void DrawCloseBox(QPainter& painter)
{
    const QRectF box = QRectF(CloseRect).adjusted(0.5, 0.5, -0.5, -0.5);
    painter.save();
    painter.setPen(QPen(Skin::YellowDeep, 1));
    painter.setBrush(QColor(0xff, 0xe8, 0x8f));
    painter.drawRoundedRect(box, 3, 3);
    painter.setPen(QPen(Skin::Ink, 1.8, Qt::SolidLine, Qt::RoundCap));
    const QRectF cross = box.adjusted(5, 5, -5, -5);
    painter.drawLine(cross.topLeft(), cross.bottomRight());
    painter.drawLine(cross.topRight(), cross.bottomLeft());
    painter.restore();
}

void DrawFooter(QPainter& painter)
{
    painter.fillRect(QRect(0, FooterTop, FaceWidth, FaceHeight - FooterTop), FooterColour);
    painter.fillRect(QRect(0, FooterTop, FaceWidth, 1), QColor(0xef, 0xe4, 0xc2));
}

void DrawFrame(QPainter& painter)
{
    painter.save();
    painter.setPen(QPen(Skin::FrameYellow, 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(1, 1, FaceWidth - 2, FaceHeight - 2));
    painter.restore();
}

void DrawGlyph(QPainter& painter, const QRectF& box, const QString& glyph, int pixelSize)
{
    painter.setFont(Skin::Font(pixelSize, true));
    painter.setPen(Qt::white);
    painter.drawText(box, Qt::AlignCenter, glyph);
}

void DrawRoundBadge(QPainter& painter, const QColor& top, const QColor& bottom, const QString& glyph)
{
    const QRectF disc(3, 3, 36, 36);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 40));
    painter.drawEllipse(disc.translated(0, 1.5));
    QLinearGradient fill(disc.topLeft(), disc.bottomLeft());
    fill.setColorAt(0, top);
    fill.setColorAt(1, bottom);
    painter.setPen(QPen(Qt::white, 2));
    painter.setBrush(fill);
    painter.drawEllipse(disc);
    DrawGlyph(painter, disc, glyph, 22);
}

void DrawWarningBadge(QPainter& painter)
{
    QPainterPath triangle;
    triangle.moveTo(21, 3);
    triangle.lineTo(40, 38);
    triangle.lineTo(2, 38);
    triangle.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 40));
    painter.drawPath(triangle.translated(0, 1.5));
    QLinearGradient fill(0, 3, 0, 38);
    fill.setColorAt(0, QColor(0xf0, 0x6a, 0x2a));
    fill.setColorAt(1, QColor(0xc9, 0x3c, 0x0c));
    painter.setPen(QPen(Qt::white, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(fill);
    painter.drawPath(triangle);
    DrawGlyph(painter, QRectF(2, 13, 38, 25), QStringLiteral("!"), 20);
}

} // namespace

QImage DrawDialogFace(qreal scale)
{
    QImage face = Skin::Canvas(QSize(FaceWidth, FaceHeight), scale, QImage::Format_RGB32);
    face.fill(Qt::white);
    QPainter painter;
    Skin::BeginPainting(painter, face);
    DrawTitleBar(painter);
    DrawCloseBox(painter);
    DrawFooter(painter);
    DrawFrame(painter);
    return face;
}

QImage DrawDialogIcon(const QImage& face, DialogIcon icon)
{
    const qreal scale = face.devicePixelRatio();
    QImage image = face.copy(QTransform::fromScale(scale, scale).mapRect(QRectF(IconRect)).toAlignedRect());
    QPainter painter;
    Skin::BeginPainting(painter, image);
    switch (icon) {
    case DialogIcon::Information:
        DrawRoundBadge(painter, QColor(0x4a, 0x97, 0xe6), QColor(0x1f, 0x6b, 0xbf), QStringLiteral("i"));
        break;
    case DialogIcon::Question:
        DrawRoundBadge(painter, QColor(0x4c, 0xb8, 0x72), QColor(0x25, 0x8a, 0x4d), QStringLiteral("?"));
        break;
    case DialogIcon::Warning:
        DrawWarningBadge(painter);
        break;
    }
    return image;
}

QImage DrawDialogButton(const QString& caption, bool highlighted, qreal scale)
{
    QImage image = Skin::Canvas(QSize(88, 26), scale, QImage::Format_RGB32);
    image.fill(FooterColour);
    QPainter painter;
    Skin::BeginPainting(painter, image);
    const QRectF box(0, 0, 88, 26);
    if (highlighted)
        Skin::DrawButtonFace(painter, box, 6, QColor(0xff, 0xd3, 0x3a), QColor(0xf0, 0xae, 0x00),
                             QColor(0xb8, 0x82, 0x00));
    else
        Skin::DrawButtonFace(painter, box, 6, QColor(0xff, 0xf7, 0xdc), QColor(0xfb, 0xe7, 0xa6),
                             QColor(0xe0, 0xbd, 0x55));
    Skin::DrawCaption(painter, box, caption, Skin::Font(11, true), Skin::Ink, true);
    return image;
}
