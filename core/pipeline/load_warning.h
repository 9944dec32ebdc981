#pragma once
// The warning for a file the reader read only in part, in Windows-1250 like every message:
// "uwaga: plik jest niekompletny: wiersz L, kolumna C: " and why, with the byte it happened at.
#include "ansi_text.h"
#include "pkxml.h"

AnsiText IncompleteFileWarning(const XmlBreak& where);
// Why the file breaks off, alone: "plik urywa się przed </Pasek>".
AnsiText BreakReason(const XmlBreak& where);
// The same for the viewer's message box: where the file breaks, and that only its beginning
// is shown.
AnsiText IncompletePageNotice(const XmlBreak& where);
