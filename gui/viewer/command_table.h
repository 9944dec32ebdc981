#pragma once
// Every command of the main window in one table: its keys, the hot area that runs it, what
// screen readers hear of that area, and the window's handler. The window makes one QAction per
// row and lets each hot area trigger its row's action; the help's list of keys is checked
// against the same rows. The build fails when a command has no row, or a hot area none or two.
#include <QKeyCombination>
#include <QKeySequence>
#include <QList>

#include <array>
#include <cstddef>
#include <optional>

#include "browser_layout.h"
#include "tfbrowser.h"
#include "window_commands.h"

struct CommandRow {
    WindowCommand command;
    // Its keys, as many as it has; the rest are Qt::Key_unknown.
    std::array<QKeyCombination, 4> keys;
    // Its keys also with Shift, Ctrl and Alt held in any combination.
    bool anyModifiers;
    std::optional<browser_layout::HotArea> hotArea;
    const char* word;         // the word drawn on its hot area, for screen readers and UI tests
    const char* description;  // what it does, for screen readers
    void (TFBrowser::*run)();
};

namespace command_table {

using A = browser_layout::HotArea;
using C = WindowCommand;
using T = TFBrowser;
inline constexpr QKeyCombination kNone(Qt::Key_unknown);
inline constexpr Qt::KeyboardModifiers kCtrlKeypad = Qt::ControlModifier | Qt::KeypadModifier;

}  // namespace command_table

inline constexpr std::array<CommandRow, std::size_t(WindowCommand::Count)> kCommands = [] {
    using namespace command_table;
    return std::array<CommandRow, std::size_t(WindowCommand::Count)>{{
        {C::Copy, {Qt::CTRL | Qt::Key_C, kNone, kNone, kNone}, false, A::Copiuj, "Kopiuj",
         "Kopiuje całą stronę do schowka.", &T::LCopiujClick},
        // A press on Drukuj chooses how to print by its buttons and modifiers, so its click is its own.
        {C::Print, {Qt::CTRL | Qt::Key_P, kNone, kNone, kNone}, false, A::Drukuj, "Drukuj",
         "Drukuje stronę; z klawiszem Shift pokazuje podgląd, z klawiszem Alt okno wyboru drukarki.",
         &T::PrintClick},
        {C::Preview, {Qt::CTRL | Qt::SHIFT | Qt::Key_P, kNone, kNone, kNone}, false, std::nullopt, nullptr, nullptr,
         &T::PreviewClick},
        {C::Open, {Qt::CTRL | Qt::Key_O, kNone, kNone, kNone}, false, A::Open, "Otwórz",
         "Otwiera plik sprawozdania.", &T::LOpenClick},
        {C::Reopen, {QKeyCombination(Qt::Key_F5), kNone, kNone, kNone}, false, A::Ponow, "Ponów",
         "Otwiera jeszcze raz ostatnio wskazany plik.", &T::LPonowClick},
        {C::List, {Qt::CTRL | Qt::Key_L, kNone, kNone, kNone}, false, A::ListaPlikow, "Lista",
         "Pokazuje listę sprawozdań ze wskazanego folderu.", &T::LListaPlikowClick},
        {C::Help, {QKeyCombination(Qt::Key_F1), kNone, kNone, kNone}, true, A::Pomoc, "Pomoc",
         "Otwiera pomoc programu.", &T::LPomocClick},
        {C::Minimize, {Qt::CTRL | Qt::Key_M, kNone, kNone, kNone}, false, A::Minimize, "Minimalizuj",
         "Minimalizuje okno.", &T::LMinimizeClick},
        {C::Close, {Qt::CTRL | Qt::Key_Q, Qt::CTRL | Qt::Key_W, kNone, kNone}, false, A::Close, "Zamknij",
         "Zamyka program i usuwa jego stronę roboczą.", &T::LCloseClick},
        {C::Back, {QKeyCombination(Qt::Key_Backspace), Qt::ALT | Qt::Key_Left, kNone, kNone}, false, std::nullopt,
         nullptr, nullptr, &T::BackClick},
        // Z as in "zbiorcze", K as in "klasyfikacja", S as in "sprawdzenie"; with Shift, so that a
        // habitual Ctrl+Z (undo) or Ctrl+S (save) builds nothing.
        {C::CombinedReport, {Qt::CTRL | Qt::SHIFT | Qt::Key_Z, kNone, kNone, kNone}, false, std::nullopt, nullptr,
         nullptr, &T::CombinedReportClick},
        {C::ClassificationSummary, {Qt::CTRL | Qt::SHIFT | Qt::Key_K, kNone, kNone, kNone}, false, std::nullopt,
         nullptr, nullptr, &T::ClassificationSummaryClick},
        {C::FileCheck, {Qt::CTRL | Qt::SHIFT | Qt::Key_S, kNone, kNone, kNone}, false, std::nullopt, nullptr, nullptr,
         &T::FileCheckClick},
        // The page's reading size. Plus is a shifted key on many keyboards, "=" stands for it
        // unshifted, and the keypad has keys of its own.
        {C::ZoomIn,
         {Qt::CTRL | Qt::Key_Plus, Qt::CTRL | Qt::SHIFT | Qt::Key_Plus, Qt::CTRL | Qt::Key_Equal,
          QKeyCombination(kCtrlKeypad, Qt::Key_Plus)},
         false, std::nullopt, nullptr, nullptr, &T::ZoomInClick},
        {C::ZoomOut,
         {Qt::CTRL | Qt::Key_Minus, Qt::CTRL | Qt::SHIFT | Qt::Key_Minus, QKeyCombination(kCtrlKeypad, Qt::Key_Minus),
          kNone},
         false, std::nullopt, nullptr, nullptr, &T::ZoomOutClick},
        {C::ZoomReset,
         {Qt::CTRL | Qt::Key_0, Qt::CTRL | Qt::SHIFT | Qt::Key_0, QKeyCombination(kCtrlKeypad, Qt::Key_0), kNone},
         false, std::nullopt, nullptr, nullptr, &T::ZoomResetClick},
    }};
}();

namespace command_table {

constexpr bool EveryCommandHasItsRow()
{
    for (std::size_t i = 0; i < kCommands.size(); ++i)
        if (kCommands[i].command != WindowCommand(i))
            return false;
    return true;
}

constexpr bool EveryHotAreaHasOneRow()
{
    for (const browser_layout::HotAreaPlace& place : browser_layout::kHotAreas) {
        int rows = 0;
        for (const CommandRow& row : kCommands)
            rows += row.hotArea == place.area && row.word && row.description;
        if (rows != 1)
            return false;
    }
    return true;
}

static_assert(EveryCommandHasItsRow(), "every command has its row, in the order of WindowCommand");
static_assert(EveryHotAreaHasOneRow(), "every hot area runs one command, and says what it is");

}  // namespace command_table

inline const CommandRow& RowOf(WindowCommand command)
{
    return kCommands[std::size_t(command)];
}

// The row of the command `area` runs.
const CommandRow& RowOf(browser_layout::HotArea area);

// Every key sequence of `command`, the combinations of an any-modifier key included.
QList<QKeySequence> ShortcutsOf(WindowCommand command);
