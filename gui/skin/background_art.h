#pragma once
// The main window's face: one picture with the title band, the buttons under the window's
// hot areas and the panel behind the page view.
#include <QImage>

// 634 x 442 at `scale` (see Skin::Canvas). `version` is printed in the title band after the
// product's name.
QImage DrawMainBackground(const QString& version, qreal scale);
