#pragma once
// The shell of the command-line tool: messages go to standard error in UTF-8, and the page
// is not shown anywhere (the tool writes it out itself).
#include <iosfwd>
#include <string>
#include <string_view>

#include "shell.h"

class TerminalShell : public Shell {
public:
    explicit TerminalShell(std::ostream& errors) : errors_(errors) {}
    // Nobody can answer at a terminal: a question ends as Anuluj.
    MessageChoice ShowMessageBox(MessageStyle style, MessageIcon icon, const AnsiText& text) override;

private:
    std::ostream& errors_;
};

// A message's text for a terminal: UTF-8, each "\r" a new line, any other control character
// written out (\xNN), so that nothing in a message reaches the terminal as a command.
std::string MessageForTerminal(const AnsiText& text);
// The same on one line, each "\r" a blank, for tools that give each file one line.
std::string MessageOnOneLine(const AnsiText& text);
// A name as the file system has it, for a line of its own on a terminal: UTF-8 as it is, but
// control characters and bytes that are no UTF-8 written out (\n, \xNN), so that a name keeps
// to its line and sends no command.
std::string TerminalName(std::string_view bytes);
