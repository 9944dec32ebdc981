#pragma once
// The main window's keys: every command of the hot areas, and a few a viewer is expected to
// have, from the keyboard. (The page's zoom keys come in many spellings, plus shifted or on the
// keypad: PageZoom reads them from the key events themselves.) The help page on commands lists the same keys.
#include <QKeyCombination>
#include <QKeySequence>
#include <QList>

#include <array>

enum class KeyCommand {
    Copy,       // the selection, or the whole page when nothing is selected
    Print,      // the printer dialog first: Alt with a press on Drukuj is the window manager's
    Preview,
    Open,
    Reopen,
    List,
    Help,
    Minimize,
    Close,      // as the close area: the page file goes too
    Back,       // from a report opened from the list, back to the list
};

struct WindowKey {
    KeyCommand command;
    QKeyCombination keys;
    // Also with Shift, Ctrl and Alt held in any combination.
    bool anyModifiers = false;
};

inline constexpr std::array<WindowKey, 12> kWindowKeys = {{
    {KeyCommand::Copy, Qt::CTRL | Qt::Key_C},
    {KeyCommand::Print, Qt::CTRL | Qt::Key_P},
    {KeyCommand::Preview, Qt::CTRL | Qt::SHIFT | Qt::Key_P},
    {KeyCommand::Open, Qt::CTRL | Qt::Key_O},
    {KeyCommand::Reopen, QKeyCombination(Qt::Key_F5)},
    {KeyCommand::List, Qt::CTRL | Qt::Key_L},
    {KeyCommand::Help, QKeyCombination(Qt::Key_F1), true},
    {KeyCommand::Minimize, Qt::CTRL | Qt::Key_M},
    {KeyCommand::Close, Qt::CTRL | Qt::Key_Q},
    {KeyCommand::Close, Qt::CTRL | Qt::Key_W},
    {KeyCommand::Back, QKeyCombination(Qt::Key_Backspace)},
    {KeyCommand::Back, Qt::ALT | Qt::Key_Left},
}};

// Every key sequence of `command`, the combinations of an any-modifier key included.
QList<QKeySequence> ShortcutsOf(KeyCommand command);
