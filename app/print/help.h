#pragma once
// The help: pomoc/index.htm beside the executable, or in the installed data folder.
#include <QString>

QString HelpFilePath();
// Asks the desktop to open the help with the program that handles its type.
void OpenHelp();
