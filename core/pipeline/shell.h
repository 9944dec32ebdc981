#pragma once
// What opening a report and listing a folder need from whoever shows them: the messages, shown
// by the program's dialog, the terminal or a test's recorder; and, where there is a view, the
// page to show once it is written. A program with no view (the command line, printing's unseen
// pages) has no PageNavigator.
#include <string>

#include "ansi_text.h"
#include "message_kinds.h"

class Shell {
public:
    virtual ~Shell() = default;

    // "\r" starts a new line. Returns the button chosen.
    virtual MessageChoice ShowMessageBox(MessageStyle style, MessageIcon icon, const AnsiText& text) = 0;
};

class PageNavigator {
public:
    virtual ~PageNavigator() = default;

    // Shows the page file at this path.
    virtual void Navigate(const std::string& path) = 0;
};
