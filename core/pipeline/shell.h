#pragma once
// What opening a report and listing a folder need from whoever shows them: the message dialog
// and the HTML view. The viewer implements it with its window, the command-line tool with the
// terminal, the tests with a recorder.
#include <string>

#include "message_kinds.h"

class Shell {
public:
    virtual ~Shell() = default;

    // Text is Windows-1250; "\r" starts a new line. Returns the button chosen.
    virtual MessageChoice ShowMessageBox(MessageStyle style, MessageIcon icon, const std::string& text) = 0;
    // Shows the page file at this path.
    virtual void Navigate(const std::string& path) = 0;
};
