#pragma once
// The main window's commands and their keys: every command of the hot areas, and a few a
// viewer is expected to have. Each command is one QAction of the window, made from these
// tables; a hot area triggers its command's action. The help page on commands lists the keys
// of kWindowKeys.
#include <QKeyCombination>
#include <QKeySequence>
#include <QList>

#include <array>

enum class WindowCommand {
    Copy,       // the selection, or the whole page when nothing is selected
    Print,      // the printer dialog first: Alt with a press on Drukuj is the window manager's
    Preview,
    Open,
    Reopen,
    List,
    Help,
    Minimize,
    Close,      // as the close area: the page file goes too
    Back,       // from a report or school page opened from the list, back to the list
    // The school's pages: of the folder whose list is shown; else of a folder asked for.
    CombinedReport,
    ClassificationSummary,
    FileCheck,
    ZoomIn,
    ZoomOut,
    ZoomReset,
};

struct WindowKey {
    WindowCommand command;
    QKeyCombination keys;
    // Also with Shift, Ctrl and Alt held in any combination.
    bool anyModifiers = false;
};

inline constexpr std::array<WindowKey, 15> kWindowKeys = {{
    {WindowCommand::Copy, Qt::CTRL | Qt::Key_C},
    {WindowCommand::Print, Qt::CTRL | Qt::Key_P},
    {WindowCommand::Preview, Qt::CTRL | Qt::SHIFT | Qt::Key_P},
    {WindowCommand::Open, Qt::CTRL | Qt::Key_O},
    {WindowCommand::Reopen, QKeyCombination(Qt::Key_F5)},
    {WindowCommand::List, Qt::CTRL | Qt::Key_L},
    {WindowCommand::Help, QKeyCombination(Qt::Key_F1), true},
    {WindowCommand::Minimize, Qt::CTRL | Qt::Key_M},
    {WindowCommand::Close, Qt::CTRL | Qt::Key_Q},
    {WindowCommand::Close, Qt::CTRL | Qt::Key_W},
    {WindowCommand::Back, QKeyCombination(Qt::Key_Backspace)},
    {WindowCommand::Back, Qt::ALT | Qt::Key_Left},
    // Z as in "zbiorcze", K as in "klasyfikacja", S as in "sprawdzenie"; with Shift, so that a
    // habitual Ctrl+Z (undo) or Ctrl+S (save) builds nothing.
    {WindowCommand::CombinedReport, Qt::CTRL | Qt::SHIFT | Qt::Key_Z},
    {WindowCommand::ClassificationSummary, Qt::CTRL | Qt::SHIFT | Qt::Key_K},
    {WindowCommand::FileCheck, Qt::CTRL | Qt::SHIFT | Qt::Key_S},
}};

// The page's reading size. Plus is a shifted key on many keyboards, "=" stands for it
// unshifted, and the keypad has keys of its own.
inline constexpr std::array<WindowKey, 10> kZoomKeys = {{
    {WindowCommand::ZoomIn, Qt::CTRL | Qt::Key_Plus},
    {WindowCommand::ZoomIn, Qt::CTRL | Qt::SHIFT | Qt::Key_Plus},
    {WindowCommand::ZoomIn, Qt::CTRL | Qt::Key_Equal},
    {WindowCommand::ZoomIn, QKeyCombination(Qt::ControlModifier | Qt::KeypadModifier, Qt::Key_Plus)},
    {WindowCommand::ZoomOut, Qt::CTRL | Qt::Key_Minus},
    {WindowCommand::ZoomOut, Qt::CTRL | Qt::SHIFT | Qt::Key_Minus},
    {WindowCommand::ZoomOut, QKeyCombination(Qt::ControlModifier | Qt::KeypadModifier, Qt::Key_Minus)},
    {WindowCommand::ZoomReset, Qt::CTRL | Qt::Key_0},
    {WindowCommand::ZoomReset, Qt::CTRL | Qt::SHIFT | Qt::Key_0},
    {WindowCommand::ZoomReset, QKeyCombination(Qt::ControlModifier | Qt::KeypadModifier, Qt::Key_0)},
}};

// Every key sequence of `command`, the combinations of an any-modifier key included.
QList<QKeySequence> ShortcutsOf(WindowCommand command);
