#pragma once
// Names of the dialog's pictures among the program's resources.
#include <QString>

inline const QString FacePicture = QStringLiteral("oknowarning");

// The picture of `button` (DialogButton) in the current DialogLanguage.
QString ButtonPicture(int button, bool highlighted);

// The word `button`'s picture shows in the current DialogLanguage, for screen readers.
QString ButtonWord(int button);
// The close area's name for screen readers, in the current DialogLanguage.
QString CloseAreaWord();

// The picture of `icon` (1 information, 2 question, 3 warning); empty for any other value.
QString IconPicture(int icon);
