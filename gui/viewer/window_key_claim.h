#pragma once
// A key the window has an action for is the window's, even while its web page has the focus:
// Chromium claims the keys it edits and navigates with (Ctrl+C, Esc, Alt+Left) and would use
// them itself, or not at all.
#include <QEvent>

class QWidget;

// True for the override request of a key one of `window`'s enabled actions has.
bool IsWindowKey(const QWidget* window, QEvent* event);
