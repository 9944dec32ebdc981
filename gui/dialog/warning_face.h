#pragma once
// The dialog's face for a dialog taller than the picture: the picture's top and foot as drawn,
// the plain band between them stretched to fill the rest.
#include <QImage>

// The picture's rows, in its 1x pixels: the band from BandTop to FootTop is white between the
// frame's sides, so stretching it changes nothing but its height.
constexpr int FaceBandTop = 60;
constexpr int FaceFootTop = 104;

// `face` with `growth` more rows in its band; `face` itself when growth is 0 or less. Keeps
// the picture's scale (devicePixelRatio), so the result paints `growth` logical pixels taller.
QImage GrownFace(const QImage& face, int growth);
