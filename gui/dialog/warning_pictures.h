#pragma once
// Names of the dialog's pictures among the program's resources.
#include <QString>

inline const QString FacePicture = QStringLiteral("oknowarning");

// The picture of `button` (DialogButton), Polish or English.
QString ButtonPicture(int button, bool highlighted, bool polish);

// The word `button`'s picture shows, for screen readers.
QString ButtonWord(int button, bool polish);
// The close area's name for screen readers.
QString CloseAreaWord(bool polish);

// The picture of `icon` (1 information, 2 question, 3 warning); empty for any other value.
QString IconPicture(int icon);
// What the icon means, for screen readers.
QString IconWord(int icon, bool polish);
