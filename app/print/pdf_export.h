#pragma once
// `ulnik --pdf OUT.pdf FILE|FOLDER`: the page of a report, or the list of a folder's reports,
// printed into a PDF exactly as it would be printed, without a window. Messages go to standard
// error; the result is one of the exit codes of exit_codes.h.
#include <functional>
#include <string>
#include <vector>

#include <QString>

class QWebEnginePage;
class Shell;

// Shows the page file at this path in the page and calls `done` once it has loaded (true) or
// cannot be shown (false); by default QWebEnginePage::load and its loadFinished.
using LoadPageFile =
    std::function<void(QWebEnginePage& page, const QString& path, std::function<void(bool)> done)>;

// `page` is the page to load and print (made safe by the caller, who may also say how a page
// file is loaded into it). A QApplication must exist; this runs the event loop until the PDF
// is written.
int ExportPdf(QWebEnginePage& page, const std::string& outputPath, const std::string& input,
              const LoadPageFile& load = {});
// Every report of a folder's list (its files and their lines, in the list's order) printed on
// A4 into one PDF, each from a new page with its own page numbers and a bookmark named as its
// line. `pdf` is empty when none could be printed; `leftOut` names the files that could not.
struct AllReports {
    std::string pdf;
    std::vector<std::string> leftOut;
};
AllReports PrintAllReports(QWebEnginePage& page, const std::vector<std::string>& files,
                           const std::vector<std::string>& lines, Shell& shell, const LoadPageFile& load = {});

// `ulnik --pdf OUT.pdf --all FOLDER`: every report of the folder's list, in its order, each
// from a new page with its own page numbers and a bookmark named as its line of the list. A
// report that cannot be printed is left out and named on standard error; then the exit code
// says the folder is damaged, although the PDF of the others is written.
int ExportAllReportsPdf(QWebEnginePage& page, const std::string& outputPath, const std::string& folder,
                        const LoadPageFile& load = {});
