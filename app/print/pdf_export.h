#pragma once
// `ulnik --pdf OUT.pdf FILE|FOLDER`: the page of a report, or the list of a folder's reports,
// printed into a PDF exactly as it would be printed, without a window. Messages go to standard
// error; the result is one of the exit codes of exit_codes.h.
#include <string>

class QWebEnginePage;

// `page` is the page to load and print (made safe by the caller). A QApplication must exist;
// this runs the event loop until the PDF is written.
int ExportPdf(QWebEnginePage& page, const std::string& outputPath, const std::string& input);
