#pragma once
// `ulnik --pdf OUT.pdf FILE|FOLDER`: the page of a report, or the list of a folder's reports,
// printed into a PDF on A4 exactly as it would be printed, without a window; and
// `ulnik --pdf OUT.pdf --all FOLDER`: every report of the folder's list, in its order, each
// from a new page with its own page numbers and a bookmark named as its line; and
// `ulnik --pdf OUT.pdf --combined|--summary FOLDER`: a school page of the folder. Messages go to the
// shell (standard error); the result is one of the exit codes of exit_codes.h. Everything runs
// from the event loop: the caller runs it until `done`.
#include <functional>
#include <memory>
#include <string>

#include <QObject>
#include <QPointer>
#include <QTemporaryDir>

#include "print_options.h"
#include "program_state.h"
#include "qt_locale.h"
#include "school_pages.h"

class AllReportsPrintout;
class ReportPage;
class Shell;

class PdfExport : public QObject {
public:
    using Done = std::function<void(int exitCode)>;

    explicit PdfExport(Shell& shell, QObject* parent = nullptr);
    ~PdfExport() override;

    void ExportPage(const std::string& output, const std::string& input, Done done);
    // A report that cannot be printed is left out and named; then the exit code says the
    // folder is damaged, although the PDF of the others is written.
    void ExportAllReports(const std::string& output, const std::string& folder, Done done);
    // Files left out of the page are named, and the exit code says so, the PDF still written.
    void ExportSchoolPage(const std::string& output, SchoolPageKind kind, const std::string& folder, Done done);

private:
    bool Prepare(const std::string& output, Done done);
    // Prints the page file; `exitCode` is the export's when it is written.
    void PrintPageFile(int exitCode, PrintOptions options = {});
    void PageShown(bool ok);
    void Write(const std::string& pdf, int exitCode);
    void Finish(int exitCode);

    Shell& shell_;
    QtLocale locale_;
    QTemporaryDir scratch_;
    ProgramState state_;
    std::string output_;
    int exitCode_ = 0;  // when the PDF of the page file is written
    PrintOptions options_;
    QPointer<ReportPage> page_;
    std::unique_ptr<AllReportsPrintout> all_;
    Done done_;
};
