#pragma once
// The message dialog exists once, so its state lives at unit level, shared by its handlers.
#include <QPoint>
#include <QString>

// The buttons, numbered as HighlightedButton counts them.
enum DialogButton { ButTak = 1, ButNie = 2, ButAnuluj = 3, ButZamknij = 4 };

// "pl" selects the Polish pictures and key letters; any other value the English ones.
extern QString DialogLanguage;
// The outcome of the last ShowMessageBox: 0 Zamknij, 1 Tak, 2 Nie, 3 Anuluj.
extern int DialogResult;
// The button whose highlighted picture is shown and which Enter chooses.
extern int HighlightedButton;
// Set while the key being handled was a Tab that the TabFilter turned into key 0.
extern bool TabPressed;
// True while the title strip is held down.
extern bool Dragging;
// The pointer's last screen position seen while dragging.
extern QPoint LastCursor;
