#pragma once
// The program's icon for menus, file managers and software centres: the main window's sheet
// emblem, in the skin's browns and yellows, with a yellow mark. The same shapes give the
// bitmaps and the scalable picture, so the sizes never drift apart.
#include <QByteArray>
#include <QImage>

// A square bitmap of `size` pixels on a transparent ground.
QImage DrawProgramIcon(int size);

// The same icon as an SVG document.
QByteArray ProgramIconSvg();
