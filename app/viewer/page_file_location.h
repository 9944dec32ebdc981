#pragma once
// Where the page file lives: beside the executable, as it always has, unless that folder
// cannot be written (an installed program), then in the user's own application data folder,
// so that a sound report is never called damaged because of where the program lives.
#include <QString>

QString ChoosePageFilePath(const QString& executableFolder);
