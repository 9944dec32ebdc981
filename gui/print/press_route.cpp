#include "press_route.h"

PrintRoute RouteForPress(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers,
                         bool secondPressOfDoubleClick) {
    if (secondPressOfDoubleClick || buttons != Qt::LeftButton) return PrintRoute::PrintAtOnce;
    // The keypad flag tells where a key came from, not which keys are held.
    const Qt::KeyboardModifiers held = modifiers & ~Qt::KeypadModifier;
    if (held == Qt::ShiftModifier) return PrintRoute::Preview;
    if (held == Qt::AltModifier) return PrintRoute::ChoosePrinter;
    return PrintRoute::PrintAtOnce;
}
