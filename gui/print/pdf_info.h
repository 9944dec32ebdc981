#pragma once
// What a printout says of itself to the programs that open it: its title, and that Ulnik made
// it. The author is left empty: the reports are the teachers', the file is the user's.
#include <string>

class QPDF;

// Replaces the document information Chromium wrote (Producer "Skia/PDF"), keeping its dates.
void DescribeDocument(QPDF& pdf, const std::string& titleUtf8);
