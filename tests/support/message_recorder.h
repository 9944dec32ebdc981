#pragma once
// Keeps the messages the window would show, or shows them in the real dialog while asked to.
#include <functional>
#include <string>
#include <vector>

#include "dialog_shell.h"

class MessageRecorder : public Shell {
public:
    explicit MessageRecorder(std::vector<std::string>& messages) : messages_(messages) {}

    MessageChoice ShowMessageBox(MessageStyle style, MessageIcon icon, const AnsiText& text) override
    {
        if (showDialog)
            return dialog_.ShowMessageBox(style, icon, text);
        messages_.push_back(text.Bytes());
        if (whileShown)
            whileShown();
        return style == StyleZamknij ? ChoiceZamknij : answer;
    }

    bool showDialog = false;
    // Run as a modal dialog's event loop would run while it is up.
    std::function<void()> whileShown;
    MessageChoice answer = ChoiceAnuluj;  // to every question

private:
    std::vector<std::string>& messages_;
    DialogShell dialog_;
};
