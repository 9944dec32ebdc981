#include "icon_art.h"

#include "skin_painter.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QTextStream>

#include <vector>

namespace {

// Every shape is drawn on a 256-unit square.
constexpr qreal Side = 256;

// One shape: filled with a vertical gradient over its height (top to bottom; equal colours
// for a flat fill, transparent for none), then outlined with round joins.
struct Layer {
    QPainterPath path;
    QColor top;
    QColor bottom;
    QColor stroke;
    qreal strokeWidth;
};

QPainterPath RoundedSquare()
{
    QPainterPath path;
    path.addRoundedRect(QRectF(12, 12, 232, 232), 48, 48);
    return path;
}

QPainterPath Polygon(std::initializer_list<QPointF> points)
{
    QPainterPath path;
    path.addPolygon(QPolygonF(points));
    path.closeSubpath();
    return path;
}

QPainterPath TextLines()
{
    QPainterPath path;
    for (const QRectF& line : {QRectF(82, 104, 84, 11), QRectF(82, 130, 84, 11), QRectF(82, 156, 52, 11)})
        path.addRoundedRect(line, 5.5, 5.5);
    return path;
}

QPainterPath Badge()
{
    QPainterPath path;
    path.addEllipse(QPointF(184, 188), 44, 44);
    return path;
}

QPainterPath Tick()
{
    QPainterPath path;
    path.moveTo(164, 189);
    path.lineTo(179, 204);
    path.lineTo(205, 172);
    return path;
}

std::vector<Layer> Layers()
{
    const QColor none = Qt::transparent;
    const QColor paper(0xff, 0xfb, 0xef);
    const QColor fold(0xe6, 0xcf, 0xa8);
    return {
        {RoundedSquare(), QColor(0x6a, 0x48, 0x2f), Skin::BrownDark, Skin::FrameYellow, 6},
        {Polygon({{62, 40}, {154, 40}, {194, 80}, {194, 212}, {62, 212}}), paper, paper, Skin::YellowDeep, 5},
        {Polygon({{154, 40}, {154, 80}, {194, 80}}), fold, fold, Skin::YellowDeep, 5},
        {TextLines(), Skin::BrownLight, Skin::BrownLight, none, 0},
        {Badge(), Skin::YellowLight, QColor(0xe8, 0xb0, 0x0c), Skin::Ink, 5},
        {Tick(), none, none, Skin::Ink, 13},
    };
}

QPen StrokeOf(const Layer& layer)
{
    if (layer.strokeWidth == 0) return Qt::NoPen;
    return QPen(layer.stroke, layer.strokeWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

bool IsFlat(const Layer& layer) { return layer.top == layer.bottom; }

QBrush FillOf(const Layer& layer)
{
    if (layer.top.alpha() == 0) return Qt::NoBrush;
    if (IsFlat(layer)) return layer.top;
    const QRectF box = layer.path.boundingRect();
    QLinearGradient gradient(box.topLeft(), box.bottomLeft());
    gradient.setColorAt(0, layer.top);
    gradient.setColorAt(1, layer.bottom);
    return gradient;
}

QString Number(qreal value) { return QString::number(value, 'g', 6); }

// SVG path data of `path`; a subpath that ends where it began is closed, so that its outline
// joins there as Qt's does.
QString SvgPathData(const QPainterPath& path)
{
    QString data;
    QPointF start, current;
    const auto closeIfBack = [&] {
        if (!data.isEmpty() && current == start) data += QStringLiteral("Z");
    };
    for (int i = 0; i < path.elementCount(); ++i) {
        const QPainterPath::Element e = path.elementAt(i);
        if (e.isMoveTo()) {
            closeIfBack();
            start = current = e;
            data += QStringLiteral("M%1 %2").arg(Number(e.x), Number(e.y));
        } else if (e.isLineTo()) {
            current = e;
            if (current != start) data += QStringLiteral("L%1 %2").arg(Number(e.x), Number(e.y));
        } else {  // a curve: this element and the two data elements after it
            const QPointF c2 = path.elementAt(i + 1);
            current = path.elementAt(i + 2);
            data += QStringLiteral("C%1 %2 %3 %4 %5 %6").arg(Number(e.x), Number(e.y), Number(c2.x()),
                                                          Number(c2.y()), Number(current.x()), Number(current.y()));
            i += 2;
        }
    }
    closeIfBack();
    return data;
}

QString SvgColour(const QColor& colour) { return colour.name(QColor::HexRgb); }

// Gradient fills refer to their definition, numbered by the layer.
QString SvgFill(const Layer& layer, std::size_t index)
{
    if (layer.top.alpha() == 0) return QStringLiteral("none");
    if (IsFlat(layer)) return SvgColour(layer.top);
    return QStringLiteral("url(#fill%1)").arg(index);
}

} // namespace

QImage DrawProgramIcon(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter;
    Skin::BeginPainting(painter, image);
    painter.scale(size / Side, size / Side);
    for (const Layer& layer : Layers()) {
        painter.setPen(StrokeOf(layer));
        painter.setBrush(FillOf(layer));
        painter.drawPath(layer.path);
    }
    painter.end();
    return image;
}

QByteArray ProgramIconSvg()
{
    QString svg;
    QTextStream out(&svg);
    out << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" << Side << "\" height=\"" << Side
        << "\" viewBox=\"0 0 " << Side << ' ' << Side << "\">\n";
    const std::vector<Layer> layers = Layers();
    out << "<defs>\n";
    for (std::size_t i = 0; i < layers.size(); ++i) {
        if (layers[i].top.alpha() == 0 || IsFlat(layers[i])) continue;
        const QRectF box = layers[i].path.boundingRect();
        out << "<linearGradient id=\"fill" << i << "\" gradientUnits=\"userSpaceOnUse\" x1=\"0\" y1=\""
            << Number(box.top()) << "\" x2=\"0\" y2=\"" << Number(box.bottom()) << "\">"
            << "<stop offset=\"0\" stop-color=\"" << SvgColour(layers[i].top) << "\"/>"
            << "<stop offset=\"1\" stop-color=\"" << SvgColour(layers[i].bottom) << "\"/></linearGradient>\n";
    }
    out << "</defs>\n";
    for (std::size_t i = 0; i < layers.size(); ++i) {
        const Layer& layer = layers[i];
        out << "<path d=\"" << SvgPathData(layer.path) << "\" fill=\""
            << SvgFill(layer, i) << '"';
        if (layer.strokeWidth > 0)
            out << " stroke=\"" << SvgColour(layer.stroke) << "\" stroke-width=\"" << Number(layer.strokeWidth)
                << "\" stroke-linecap=\"round\" stroke-linejoin=\"round\"";
        out << "/>\n";
    }
    out << "</svg>\n";
    out.flush();
    return svg.toUtf8();
}
