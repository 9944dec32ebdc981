#pragma once
// The main window's commands: every command of the hot areas, and a few a viewer is expected to
// have. Their keys, hot areas, words and handlers are rows of one table (command_table.h).
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
    Count
};
