#include "pdf_export.h"

#include <algorithm>
#include <filesystem>

#include <QFile>
#include <QPageSize>

#include "all_reports_printout.h"
#include "code_page.h"
#include "exit_codes.h"
#include "file_access.h"
#include "load_warning.h"
#include "messages.h"
#include "open_path.h"
#include "print_delivery.h"
#include "print_messages.h"
#include "printout.h"
#include "report_page.h"
#include "report_search.h"
#include "run_folders.h"
#include "shell.h"
#include "utf8.h"
#include "viewer_messages.h"

namespace {

PrintOptions PdfOptions() { return PrintOptions{}; }

QPageLayout PdfLayout() {
    const PrintOptions options = PdfOptions();
    return PrintLayout(options, QPageSize(QPageSize::A4), QtOrientation(options.orientation));
}

}  // namespace

PdfExport::PdfExport(Shell& shell, QObject* parent) : QObject(parent), shell_(shell) {}

PdfExport::~PdfExport() = default;

bool PdfExport::Prepare(const std::string& output, Done done) {
    done_ = std::move(done);
    output_ = output;
    if (!scratch_.isValid()) {
        shell_.ShowMessageBox(StyleZamknij, IconInformacja, print_messages::kCannotWritePdf);
        Finish(kDamaged);
        return false;
    }
    MarkRunFolder(QFile::encodeName(scratch_.path()).toStdString());
    state_.PageFilePath = QFile::encodeName(scratch_.filePath(QStringLiteral("Temp.htm"))).toStdString();
    return true;
}

void PdfExport::ExportPage(const std::string& output, const std::string& input, Done done) {
    if (!Prepare(output, std::move(done))) return;
    ReportOpener opener(state_, shell_, locale_);
    FolderLister lister(state_, shell_, locale_);
    const PathOpened opened = OpenReportOrFolder(opener, lister, input);
    if (!opened.Shown()) return Finish(ExitCodeOf(opened));
    // A report that breaks off is printed as far as it goes, and says so: on standard error, and
    // on every page, where the printout goes.
    if (const std::optional<XmlBreak> cut = opener.LastBreak()) {
        shell_.ShowMessageBox(StyleZamknij, IconUwaga, IncompleteFileWarning(*cut));
        return PrintPageFile(kDone, CutOffPrintOptions(PdfOptions()));
    }
    PrintPageFile(kDone, PdfOptions());
}

void PdfExport::ExportSchoolPage(const std::string& output, SchoolPageKind kind, const std::string& folder,
                                 Done done) {
    if (!Prepare(output, std::move(done))) return;
    const SchoolPageOutcome built = SchoolPages(state_, shell_, locale_).Build(kind, folder);
    if (built.outcome != ListOutcome::Shown) return Finish(ExitCodeOf(built));
    // The page names them too, at its end; a script run hears of them here.
    if (!built.leftOut.empty())
        shell_.ShowMessageBox(StyleZamknij, IconInformacja, messages::LeftOutFiles(built.leftOut));
    PrintPageFile(ExitCodeOf(built));
}

void PdfExport::PrintPageFile(int exitCode, PrintOptions options) {
    exitCode_ = exitCode;
    options_ = std::move(options);
    page_ = new ReportPage(this);
    connect(page_, &ReportPage::DocumentComplete, this, &PdfExport::PageShown);
    // Why a page could not be shown is told here; the export says only that it was not written.
    connect(page_, &ReportPage::Failed, this, [this](PageFailure why) {
        shell_.ShowMessageBox(StyleZamknij, IconUwaga,
                              why == PageFailure::Crashed ? viewer_messages::kPageCrashed
                                                          : viewer_messages::kPageTimedOut);
        PageShown(false);
    });
    page_->LoadFile(QFile::decodeName(state_.PageFilePath.c_str()));
}

void PdfExport::PageShown(bool ok) {
    page_->disconnect(this);
    if (!ok) return Write({}, kDamaged);
    auto* maker = new PrintoutMaker(page_, page_);
    maker->Make(options_, PdfLayout(), [this](const QByteArray& pdf) { Write(pdf.toStdString(), exitCode_); });
}

void PdfExport::ExportAllReports(const std::string& output, const std::string& folder, Done done) {
    if (!Prepare(output, std::move(done))) return;
    const ListOutcome listed = FolderLister(state_, shell_, locale_).ListReceivedReports(folder);
    if (listed != ListOutcome::Shown) return Finish(ExitCodeOf(listed));
    std::vector<ListedReport> reports;
    for (std::size_t i = 0; i < state_.FolderFiles.size(); ++i)
        reports.push_back({state_.FolderFiles[i], state_.FolderSummary[i]});
    // The list leaves out without a word the files nobody can read; here they are named.
    std::vector<LeftOutFile> leftOut;
    for (const std::string& path : FindReportFiles(folder))
        if (std::find(state_.FolderFiles.begin(), state_.FolderFiles.end(), path) == state_.FolderFiles.end())
            leftOut.push_back({path, JudgeReportFile(path).verdict});
    all_ = std::make_unique<AllReportsPrintout>(std::move(reports), PdfOptions(), PdfLayout());
    all_->Start([this, leftOut](const AllReportsResult& result) mutable {
        leftOut.insert(leftOut.end(), result.leftOut.begin(), result.leftOut.end());
        if (result.pdf.empty()) {
            shell_.ShowMessageBox(StyleZamknij, IconInformacja, print_messages::NoReportPrinted(leftOut));
            return Finish(kDamaged);
        }
        if (!leftOut.empty())
            shell_.ShowMessageBox(StyleZamknij, IconInformacja, print_messages::ReportsLeftOut(leftOut));
        Write(result.pdf, leftOut.empty() ? kDone : kDamagedFolder);
    });
}

// A printout the engine did not make is said as that; one that could not be written names the
// file the user gave and the system's reason.
void PdfExport::Write(const std::string& pdf, int exitCode) {
    if (pdf.empty()) {
        shell_.ShowMessageBox(StyleZamknij, IconInformacja, print_messages::kPrintoutFailed);
        return Finish(kDamaged);
    }
    try {
        WriteFileReplacing(output_, pdf);
    } catch (const FileWriteError& error) {
        shell_.ShowMessageBox(StyleZamknij, IconInformacja, messages::CannotWrite(output_, error.reason()));
        return Finish(kDamaged);
    }
    Finish(exitCode);
}

void PdfExport::Finish(int exitCode) {
    if (done_) std::exchange(done_, {})(exitCode);
}
