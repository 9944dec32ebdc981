#pragma once
// Where everything sits on the main window. The background picture draws the buttons; the hot
// areas lie over them at these rectangles.
#include <QRect>
#include <QSize>
#include <array>

namespace browser_layout {

inline constexpr QSize kClientSize(632, 439);
// The window's outline leaves out the two rightmost columns of the client area.
inline constexpr QSize kOutlineSize(630, 439);
inline constexpr int kCornerEllipse = 12;

inline constexpr QRect kBackgroundPanel(0, 0, 638, 447);
inline constexpr QRect kBackgroundPicture(0, 0, 634, 442);
inline constexpr QRect kViewPanel(118, 66, 484, 347);

enum class HotArea { Copiuj, Drukuj, Open, Ponow, ListaPlikow, Pomoc, Minimize, Close };

// Where each hot area lies; what it runs, and what screen readers say of it, is its command's
// row (command_table.h).
struct HotAreaPlace {
    HotArea area;
    const char* objectName;
    QRect rect;
};

inline constexpr std::array<HotAreaPlace, 8> kHotAreas = {{
    {HotArea::Copiuj, "LCopiuj", QRect(20, 110, 71, 17)},
    {HotArea::Drukuj, "LDrukuj", QRect(19, 140, 71, 16)},
    {HotArea::Open, "LOpen", QRect(21, 333, 71, 16)},
    {HotArea::Ponow, "LPonow", QRect(21, 365, 71, 16)},
    {HotArea::ListaPlikow, "LListaPlikow", QRect(21, 395, 71, 16)},
    {HotArea::Pomoc, "LPomoc", QRect(540, 10, 17, 17)},
    {HotArea::Minimize, "LMinimize", QRect(569, 10, 17, 17)},
    {HotArea::Close, "LClose", QRect(600, 11, 17, 17)},
}};

}  // namespace browser_layout
