#pragma once
// Draws a printout's pages onto a QPrinter as pictures, for the print preview.
#include <QByteArray>

class QPrinter;

// False when the printout cannot be read or the printer cannot be painted on.
bool DrawPrintout(QPrinter& printer, const QByteArray& printout, int dotsPerInch);
