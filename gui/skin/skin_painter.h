#pragma once
// Colours and text helpers shared by the main window's and the dialog's artwork, so that the
// two windows look like one program.
#include <QColor>
#include <QFont>
#include <QPainter>
#include <QImage>
#include <QRectF>
#include <QString>

namespace Skin {

inline const QColor Ink{0x3d, 0x2c, 0x05};
inline const QColor Yellow{0xf4, 0xc4, 0x22};
inline const QColor YellowLight{0xff, 0xdc, 0x5c};
inline const QColor YellowDeep{0xd9, 0xa2, 0x0b};
inline const QColor FrameYellow{0xe3, 0xb2, 0x1c};
inline const QColor Brown{0x3a, 0x25, 0x17};
inline const QColor BrownDark{0x24, 0x16, 0x0d};
inline const QColor BrownLight{0x5a, 0x3c, 0x27};

// A sans font at an exact pixel size, as the skin is drawn pixel for pixel.
QFont Font(int pixelSize, bool bold);

// A picture of `size` pixels drawn at `scale`: it holds `scale` times as many pixels each way
// (a part pixel counts whole) and is painted on in pixels of the 1x picture.
QImage Canvas(QSize size, qreal scale, QImage::Format format);

// Starts an antialiased painter on `image`.
void BeginPainting(QPainter& painter, QImage& image);

// Draws `caption` centred in `box`; with `underlineKey` its first letter, the key that
// chooses the button, is underlined.
void DrawCaption(QPainter& painter, const QRectF& box, const QString& caption, const QFont& font,
                 const QColor& colour, bool underlineKey);

// A pill-shaped button face: a soft vertical gradient between `top` and `bottom` with a
// one-pixel `border`.
void DrawButtonFace(QPainter& painter, const QRectF& box, qreal radius, const QColor& top,
                    const QColor& bottom, const QColor& border);

} // namespace Skin
