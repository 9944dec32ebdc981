#pragma once
// The help: pomoc/index.htm beside the executable, or in the installed data folder.
#include <QString>

QString HelpFilePath();
