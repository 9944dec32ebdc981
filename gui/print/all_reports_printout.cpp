#include "all_reports_printout.h"

#include <QFile>
#include <QTimer>

#include "printout.h"
#include "qt_locale.h"
#include "report_opener.h"
#include "report_page.h"
#include "run_folders.h"
#include "utf8.h"

namespace {

// The pipeline's messages of one report are not told: the report is named at the end.
class QuietShell : public Shell {
public:
    MessageChoice ShowMessageBox(MessageStyle, MessageIcon, const AnsiText&) override { return ChoiceZamknij; }
};

}  // namespace

AllReportsPrintout::AllReportsPrintout(std::vector<ListedReport> reports, PrintOptions options, QPageLayout layout,
                                       QObject* parent)
    : QObject(parent), reports_(std::move(reports)), options_(std::move(options)), layout_(layout),
      loadDeadlineMs_(ReportPage::kLoadDeadlineMs) {
    if (scratch_.isValid()) MarkRunFolder(QFile::encodeName(scratch_.path()).toStdString());
    state_.PageFilePath = QFile::encodeName(scratch_.filePath(QStringLiteral("Temp.htm"))).toStdString();
}

AllReportsPrintout::~AllReportsPrintout() { DropPage(); }

void AllReportsPrintout::Start(Done done) {
    done_ = std::move(done);
    current_ = 0;
    QTimer::singleShot(0, this, &AllReportsPrintout::Next);
}

void AllReportsPrintout::Next() {
    if (current_ == reports_.size()) return Finish();
    const std::string& file = reports_[current_].file;
    if (FileVerdict verdict = JudgeReportFile(file).verdict; !verdict.Sound()) return LeaveOut(std::move(verdict));
    if (!scratch_.isValid() || !BuildPage(file)) return LeaveOut();
    if (!page_) {
        page_ = new ReportPage(this);
        page_->SetLoadDeadline(loadDeadlineMs_);
        maker_ = new PrintoutMaker(page_, page_);
        connect(page_, &ReportPage::DocumentComplete, this, &AllReportsPrintout::Loaded);
        connect(page_, &ReportPage::Failed, this, [this] { Loaded(false); });
    }
    awaitingLoad_ = true;
    page_->LoadFile(QFile::decodeName(state_.PageFilePath.c_str()));
}

// The report's page, as the window would show it, written to the scratch page file.
bool AllReportsPrintout::BuildPage(const std::string& file) {
    QuietShell shell;
    QtLocale locale;
    ReportOpener opener(state_, shell, locale);
    return opener.OpenChosenFile(file) == ReportOutcome::Shown;
}

// A page reloaded after its render process died while printing says it loaded again: the
// printout under way answers for it (or its deadline does).
void AllReportsPrintout::Loaded(bool ok) {
    if (!std::exchange(awaitingLoad_, false)) return;
    if (!ok) return LeaveOut();
    maker_->Make(options_, layout_, [this](const QByteArray& printout) { Printed(printout); });
}

void AllReportsPrintout::Printed(const QByteArray& printout) {
    if (printout.isEmpty()) return LeaveOut();
    printed_.push_back({printout.toStdString(), AnsiToUtf8(reports_[current_].line)});
    ++current_;
    QTimer::singleShot(0, this, &AllReportsPrintout::Next);
}

// Whatever the page went through stays with it: the next report gets a fresh one.
void AllReportsPrintout::LeaveOut(FileVerdict verdict) {
    awaitingLoad_ = false;
    result_.leftOut.push_back({reports_[current_].file, std::move(verdict)});
    DropPage();
    ++current_;
    QTimer::singleShot(0, this, &AllReportsPrintout::Next);
}

void AllReportsPrintout::DropPage() {
    if (!page_) return;
    page_->disconnect(this);
    page_->deleteLater();
    page_ = nullptr;
}

void AllReportsPrintout::Finish() {
    DropPage();
    try {
        if (!printed_.empty()) result_.pdf = BindPrintouts(printed_, kAllReportsTitle);
    } catch (const std::exception&) {
        result_.pdf.clear();
        result_.leftOut.clear();
        for (const ListedReport& report : reports_) result_.leftOut.push_back({report.file, {}});
    }
    printed_.clear();
    if (done_) std::exchange(done_, {})(result_);
}
