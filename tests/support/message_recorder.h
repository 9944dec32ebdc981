#pragma once
// Keeps the messages the window would show, or shows them in the real dialog while asked to.
#include <string>
#include <vector>

#include "dialog_shell.h"

class MessageRecorder : public Shell {
public:
    explicit MessageRecorder(std::vector<std::string>& messages) : messages_(messages) {}

    MessageChoice ShowMessageBox(MessageStyle style, MessageIcon icon, const std::string& text) override
    {
        if (showDialog)
            return dialog_.ShowMessageBox(style, icon, text);
        messages_.push_back(text);
        return style == StyleZamknij ? ChoiceZamknij : answer;
    }
    void Navigate(const std::string&) override {}

    bool showDialog = false;
    MessageChoice answer = ChoiceAnuluj;  // to every question

private:
    std::vector<std::string>& messages_;
    DialogShell dialog_;
};
