#pragma once
// A shell for benchmarks: says nothing, shows nothing.
#include <string>

#include "shell.h"

class SilentShell : public Shell {
public:
    MessageChoice ShowMessageBox(MessageStyle, MessageIcon, const AnsiText&) override { return ChoiceZamknij; }
};
