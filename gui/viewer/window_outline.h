#pragma once
// The main window's outline: a rectangle with rounded corners, two columns narrower than the
// window (see browser_layout.h).
#include <QRegion>

class QWidget;

// The outline in device pixels for a screen of `devicePixelRatio`, drawn at that resolution so
// that its corners are as fine as the pictures on that screen.
QRegion WindowOutline(qreal devicePixelRatio);

// Gives `window`, once it is shown, the outline for its screen for the rest of its life.
void ShapeWindow(QWidget& window);
