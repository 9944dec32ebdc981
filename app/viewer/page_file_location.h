#pragma once
// Where the page file lives: beside the executable, as it always has, unless that folder
// cannot be written or the program is installed (its data folder share/ulnik beside it), then
// in the user's own application data folder, so that a sound report is never called damaged
// because of where the program lives, and root never litters the system's bin folder.
#include <QString>

QString ChoosePageFilePath(const QString& executableFolder);
