#pragma once
// A shell, and a view, that remember what the pipeline asked of them.
#include <string>
#include <vector>

#include "shell.h"

struct Message {
    MessageStyle style;
    MessageIcon icon;
    std::string text;
    bool operator==(const Message&) const = default;
};

class RecordingShell : public Shell, public PageNavigator {
public:
    MessageChoice ShowMessageBox(MessageStyle style, MessageIcon icon, const AnsiText& text) override {
        messages.push_back({style, icon, text.Bytes()});
        return style == StyleZamknij ? ChoiceZamknij : answer;
    }
    void Navigate(const std::string& path) override { navigations.push_back(path); }

    MessageChoice answer = ChoiceTak;  // to every question
    std::vector<Message> messages;
    std::vector<std::string> navigations;
};
