#pragma once
// Where everything sits on the main window. The background picture draws the buttons; the hot
// areas lie over them at these rectangles.
#include <QRect>
#include <QSize>
#include <array>
#include <optional>

#include "window_commands.h"

namespace browser_layout {

inline constexpr QSize kClientSize(632, 439);
// The window's outline leaves out the two rightmost columns of the client area.
inline constexpr QSize kOutlineSize(630, 439);
inline constexpr int kCornerEllipse = 12;

inline constexpr QRect kBackgroundPanel(0, 0, 638, 447);
inline constexpr QRect kBackgroundPicture(0, 0, 634, 442);
inline constexpr QRect kViewPanel(118, 66, 484, 347);

enum class HotArea { Copiuj, Drukuj, Open, Ponow, ListaPlikow, Pomoc, Minimize, Close };

struct HotAreaPlace {
    HotArea area;
    const char* objectName;
    QRect rect;
    const char* word;  // the word drawn on the button, for screen readers and UI tests
    // What a click runs, and whose keys the button has. A press on Drukuj chooses how to print
    // by its buttons and modifiers, so its click is its own.
    std::optional<WindowCommand> command;
    const char* description;  // what it does, for screen readers
};

inline constexpr std::array<HotAreaPlace, 8> kHotAreas = {{
    {HotArea::Copiuj, "LCopiuj", QRect(20, 110, 71, 17), "Kopiuj", WindowCommand::Copy,
     "Kopiuje ca\u0142\u0105 stron\u0119 do schowka."},
    {HotArea::Drukuj, "LDrukuj", QRect(19, 140, 71, 16), "Drukuj", WindowCommand::Print,
     "Drukuje stron\u0119; z klawiszem Shift pokazuje podgl\u0105d, z klawiszem Alt okno wyboru drukarki."},
    {HotArea::Open, "LOpen", QRect(21, 333, 71, 16), "Otw\u00f3rz", WindowCommand::Open,
     "Otwiera plik sprawozdania."},
    {HotArea::Ponow, "LPonow", QRect(21, 365, 71, 16), "Pon\u00f3w", WindowCommand::Reopen,
     "Otwiera jeszcze raz ostatnio wskazany plik."},
    {HotArea::ListaPlikow, "LListaPlikow", QRect(21, 395, 71, 16), "Lista", WindowCommand::List,
     "Pokazuje list\u0119 sprawozda\u0144 ze wskazanego folderu."},
    {HotArea::Pomoc, "LPomoc", QRect(540, 10, 17, 17), "Pomoc", WindowCommand::Help, "Otwiera pomoc programu."},
    {HotArea::Minimize, "LMinimize", QRect(569, 10, 17, 17), "Minimalizuj", WindowCommand::Minimize,
     "Minimalizuje okno."},
    {HotArea::Close, "LClose", QRect(600, 11, 17, 17), "Zamknij", WindowCommand::Close,
     "Zamyka program i usuwa jego stron\u0119 robocz\u0105."},
}};

}  // namespace browser_layout
