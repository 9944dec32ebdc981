#pragma once
// The shell of the command-line tool: messages go to standard error in UTF-8, and the page
// is not shown anywhere (the tool writes it out itself).
#include <iosfwd>
#include <string>

#include "shell.h"

class TerminalShell : public Shell {
public:
    explicit TerminalShell(std::ostream& errors) : errors_(errors) {}
    // Nobody can answer at a terminal: a question ends as Anuluj.
    MessageChoice ShowMessageBox(MessageStyle style, MessageIcon icon, const std::string& text) override;
    void Navigate(const std::string&) override {}

private:
    std::ostream& errors_;
};

// A message's text for a terminal: UTF-8, each "\r" a new line.
std::string MessageForTerminal(const std::string& text);
// The same on one line, each "\r" a blank, for tools that give each file one line.
std::string MessageOnOneLine(const std::string& text);
