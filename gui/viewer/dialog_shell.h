#pragma once
// Messages as the window shows them: in the program's skinned dialog.
#include "code_page.h"
#include "message_box.h"
#include "shell.h"
#include "utf8.h"

class DialogShell : public Shell {
public:
    MessageChoice ShowMessageBox(MessageStyle style, MessageIcon icon, const std::string& text) override
    {
        return MessageChoice(::ShowMessageBox(style, icon, QString::fromStdString(AnsiToUtf8(text))));
    }
    // Pages are the workspace's to show.
};
