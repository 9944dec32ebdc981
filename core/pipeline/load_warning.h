#pragma once
// The warning for a file the reader read only in part, in Windows-1250 like every message:
// "uwaga: plik jest niekompletny: wiersz L, kolumna C: " and why, with the byte it happened at.
#include <string>

#include "pkxml.h"

std::string IncompleteFileWarning(const XmlBreak& where);
// Why the file breaks off, alone: "plik urywa się przed </Pasek>".
std::string BreakReason(const XmlBreak& where);
// The same for the viewer's message box: where the file breaks, and that only its beginning
// is shown.
std::string IncompletePageNotice(const XmlBreak& where);
