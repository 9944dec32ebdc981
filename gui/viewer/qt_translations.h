#pragma once
// Qt's own dialogs and messages (open, folder, printer, print preview) in the user's language,
// like the rest of the desktop; without a catalogue for it they stay English.
class QCoreApplication;

void LoadQtTranslations(QCoreApplication& app);
