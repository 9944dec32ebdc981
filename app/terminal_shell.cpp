#include "terminal_shell.h"

#include <algorithm>
#include <ostream>

#include "utf8.h"

MessageChoice TerminalShell::ShowMessageBox(MessageStyle style, MessageIcon, const std::string& text) {
    errors_ << MessageForTerminal(text) << '\n';
    return style == StyleZamknij ? ChoiceZamknij : ChoiceAnuluj;
}

std::string MessageForTerminal(const std::string& text) {
    std::string utf8 = AnsiToUtf8(text);
    for (char& c : utf8)
        if (c == '\r') c = '\n';
    return utf8;
}

std::string MessageOnOneLine(const std::string& text) {
    std::string utf8 = AnsiToUtf8(text);
    for (char& c : utf8)
        if (c == '\r') c = ' ';
    return utf8.substr(std::min(utf8.find_first_not_of(' '), utf8.size()));
}
