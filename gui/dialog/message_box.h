#pragma once
// The one way the program shows a message: its own skinned, modal dialog.
#include <QString>

class QWidget;

#include "message_kinds.h"

// Creates the dialog, once, right after the main window (`owner`, which then owns it); Tab
// moves nothing in the dialog (tab_filter.h). Without an owner the dialog lives until the
// application quits. ShowMessageBox creates it if this was not called.
void CreateWarningDialog(QWidget* owner = nullptr);

// Shows `text` modally with the buttons of `style` and the picture of `icon`; "\r" starts
// a new line. Returns when the dialog has closed, giving the choice made (MessageChoice), or
// Nie when it was closed without one. Any style other than 3 shows Zamknij alone. Throws
// ResourceNotFound, before showing anything, if a picture is missing from the program.
int ShowMessageBox(int style, int icon, const QString& text);
