#pragma once
// What a press on the print hot area asks for. The whole state counts: only Shift or Alt
// with the left button alone choose the preview or the printer dialog.
#include <Qt>

enum class PrintRoute {
    Preview,        // a maximised print preview
    ChoosePrinter,  // the printer dialog, then print
    PrintAtOnce,    // the default printer, no dialog
};

PrintRoute RouteForPress(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers,
                         bool secondPressOfDoubleClick);
