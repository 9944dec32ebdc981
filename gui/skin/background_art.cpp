#include "background_art.h"

#include "skin_painter.h"

#include <QLinearGradient>
#include <QPainterPath>

namespace {

constexpr int Width = 634;
constexpr int Height = 442;
constexpr int BandHeight = 40;

// These rectangles are the main window's hot areas; the artwork has to sit exactly under them.
struct ButtonArt {
    QRect rect;
    const char* caption;
};
const ButtonArt OblongButtons[] = {
    {{20, 110, 71, 17}, "KOPIUJ"},
    {{19, 140, 71, 16}, "DRUKUJ"},
    {{21, 333, 71, 16}, "OTWÓRZ"},
    {{21, 365, 71, 16}, "PONÓW"},
    {{21, 395, 71, 16}, "LISTA"},
};
const QRect HelpBox(540, 10, 17, 17);
const QRect MinimizeBox(569, 10, 17, 17);
const QRect CloseBox(600, 11, 17, 17);
// The page view lies at 118, 66, 484 x 347; the panel leaves a margin around it.
const QRect PanelRect(111, 59, 498, 361);

void DrawGround(QPainter& painter)
{
    QLinearGradient ground(0, 0, 0, Height);
    ground.setColorAt(0, Skin::Brown);
    ground.setColorAt(1, Skin::BrownDark);
    painter.fillRect(QRect(0, 0, Width, Height), ground);
}

void DrawTitleBand(QPainter& painter, const QString& version)
{
    QLinearGradient band(0, 0, 0, BandHeight);
    band.setColorAt(0, QColor(0x6a, 0x48, 0x2f));
    band.setColorAt(1, QColor(0x4a, 0x30, 0x1f));
    painter.fillRect(QRect(0, 0, Width, BandHeight), band);
    painter.fillRect(QRect(0, BandHeight, Width, 2), Skin::Yellow);

    painter.setFont(Skin::Font(15, true));
    painter.setPen(Skin::Yellow);
    const QString title = QStringLiteral("ULNIK ") + version;
    const QRect titleBox(16, 0, 300, BandHeight);
    painter.drawText(titleBox, Qt::AlignLeft | Qt::AlignVCenter, title);
    const int titleWidth = painter.fontMetrics().horizontalAdvance(title);

    painter.setFont(Skin::Font(11, false));
    painter.setPen(QColor(0xe6, 0xcf, 0xa8));
    painter.drawText(QRect(16 + titleWidth + 12, 1, 360, BandHeight), Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("PRZEGLĄDARKA SPRAWOZDAŃ SZKOLNYCH"));
}

void DrawProgramName(QPainter& painter)
{
    painter.setFont(Skin::Font(27, true));
    painter.setPen(Skin::YellowLight);
    painter.drawText(QRect(14, 48, 96, 34), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Ulnik"));
    painter.setFont(Skin::Font(10, false));
    painter.setPen(QColor(0xc9, 0xa7, 0x7a));
    painter.drawText(QRect(16, 82, 96, 14), Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("sprawozdania"));
}

void DrawOblongButton(QPainter& painter, const ButtonArt& button)
{
    const QRectF box(button.rect);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 70));
    painter.drawRoundedRect(box.translated(0, 1.5), 6, 6);
    Skin::DrawButtonFace(painter, box, 6, Skin::YellowLight, QColor(0xe8, 0xb0, 0x0c), Skin::YellowDeep);
    Skin::DrawCaption(painter, box, QString::fromUtf8(button.caption), Skin::Font(10, true), Skin::Ink, false);
}

void DrawSquareBox(QPainter& painter, const QRect& rect)
{
    Skin::DrawButtonFace(painter, QRectF(rect), 3, Skin::YellowLight, QColor(0xe8, 0xb0, 0x0c), Skin::YellowDeep);
}

void DrawWindowButtons(QPainter& painter)
{
    DrawSquareBox(painter, HelpBox);
    painter.setFont(Skin::Font(12, true));
    painter.setPen(Skin::Ink);
    painter.drawText(QRectF(HelpBox).translated(0, 0.5), Qt::AlignCenter, QStringLiteral("?"));

    DrawSquareBox(painter, MinimizeBox);
    painter.setPen(QPen(Skin::Ink, 2, Qt::SolidLine, Qt::RoundCap));
    const QRectF minimize = QRectF(MinimizeBox).adjusted(5, 5, -5, -5);
    painter.drawLine(minimize.bottomLeft(), minimize.bottomRight());

    DrawSquareBox(painter, CloseBox);
    painter.setPen(QPen(Skin::Ink, 1.8, Qt::SolidLine, Qt::RoundCap));
    const QRectF cross = QRectF(CloseBox).adjusted(5, 5, -5, -5);
    painter.drawLine(cross.topLeft(), cross.bottomRight());
    painter.drawLine(cross.topRight(), cross.bottomLeft());
}

// A faint sheet with a folded corner fills the empty middle of the button column.
void DrawEmblem(QPainter& painter)
{
    const QColor tone(0x6b, 0x4a, 0x32);
    QPainterPath sheet;
    sheet.moveTo(36, 200);
    sheet.lineTo(64, 200);
    sheet.lineTo(78, 214);
    sheet.lineTo(78, 262);
    sheet.lineTo(36, 262);
    sheet.closeSubpath();
    painter.setPen(QPen(tone, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(sheet);
    painter.drawPolyline(QPolygonF({QPointF(64, 200), QPointF(64, 214), QPointF(78, 214)}));
    for (int y = 226; y <= 250; y += 8)
        painter.drawLine(QPointF(43, y), QPointF(71, y));
}

void DrawViewPanel(QPainter& painter)
{
    const QRectF panel(PanelRect);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 80));
    painter.drawRoundedRect(panel.translated(0, 2), 10, 10);
    painter.setPen(QPen(Skin::FrameYellow, 1));
    painter.setBrush(Qt::white);
    painter.drawRoundedRect(panel.adjusted(0.5, 0.5, -0.5, -0.5), 10, 10);
}

} // namespace

QImage DrawMainBackground(const QString& version, qreal scale)
{
    QImage image = Skin::Canvas(QSize(Width, Height), scale, QImage::Format_RGB32);
    QPainter painter;
    Skin::BeginPainting(painter, image);
    DrawGround(painter);
    DrawTitleBand(painter, version);
    DrawProgramName(painter);
    DrawWindowButtons(painter);
    for (const ButtonArt& button : OblongButtons)
        DrawOblongButton(painter, button);
    DrawEmblem(painter);
    DrawViewPanel(painter);
    return image;
}
