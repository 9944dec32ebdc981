#pragma once
// Messages as the window shows them: in the program's skinned dialog.
#include "message_box.h"
#include "shell.h"

class DialogShell : public Shell {
public:
    MessageChoice ShowMessageBox(MessageStyle style, MessageIcon icon, const AnsiText& text) override
    {
        return MessageChoice(::ShowMessageBox(style, icon, QString::fromStdString(text.ToUtf8())));
    }
    // Pages are the workspace's to show.
};
