#pragma once
// Every report of a list printed into one printout, each from a new page with its own page
// numbers and a bookmark named as its line. The reports are printed one after another, from
// the event loop, in a page of their own that nobody sees (never the window's), with the shown
// page's safe policy. Each report stands alone: one whose page crashes, hangs or cannot be
// built is left out and costs nothing else, for the next one gets a fresh page (and render
// process). A report that is not sound is left out before it is printed: a printout of a file
// cut off or spoiled would pass for the whole report. Nothing is said meanwhile; the caller
// names what was left out once, at the end.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <QObject>
#include <QPageLayout>
#include <QPointer>
#include <QTemporaryDir>

#include "file_verdict.h"
#include "pdf_binder.h"
#include "print_options.h"
#include "program_state.h"

class PrintoutMaker;
class ReportPage;

// The printout's name, as a print job and as the PDF's title (UTF-8).
inline constexpr const char* kAllReportsTitle = "Wszystkie sprawozdania z listy";

// A report of the list: its file, and its line of the list (Windows-1250).
struct ListedReport {
    std::string file;
    std::string line;
};

struct AllReportsResult {
    std::string pdf;  // empty when no report could be printed
    // The files that were not, in the list's order: those not sound with their verdict, those
    // whose page could not be printed with a sound one.
    std::vector<LeftOutFile> leftOut;
};

class AllReportsPrintout : public QObject {
public:
    using Done = std::function<void(const AllReportsResult&)>;

    AllReportsPrintout(std::vector<ListedReport> reports, PrintOptions options, QPageLayout layout,
                       QObject* parent = nullptr);
    ~AllReportsPrintout() override;

    // Starts printing; `done` is called once, from the event loop, unless this is deleted first.
    void Start(Done done);
    // How long each report's page may take to load (ReportPage::kLoadDeadlineMs by default).
    void SetLoadDeadline(int ms) { loadDeadlineMs_ = ms; }

private:
    void Next();
    bool BuildPage(const std::string& file);
    void Loaded(bool ok);
    void Printed(const QByteArray& printout);
    void LeaveOut(FileVerdict verdict = {});
    void DropPage();
    void Finish();

    std::vector<ListedReport> reports_;
    PrintOptions options_;
    QPageLayout layout_;
    int loadDeadlineMs_;
    std::size_t current_ = 0;
    bool awaitingLoad_ = false;
    QTemporaryDir scratch_;
    ProgramState state_;
    QPointer<ReportPage> page_;
    QPointer<PrintoutMaker> maker_;
    std::vector<BoundPrintout> printed_;
    AllReportsResult result_;
    Done done_;
};
