#include "report_opener.h"

#include <algorithm>

#include "document_types.h"
#include "file_access.h"
#include "messages.h"

ReportOpener::ReportOpener(ProgramState& state, Shell& shell, LocaleServices& locale, PageNavigator* pages)
    : state_(state), shell_(shell), pages_(pages), options_([&locale] { return locale.DecimalSeparator(); }) {}

ReportOutcome ReportOpener::OpenChosenFile(const std::string& path) {
    state_.CurrentReportPath = path;
    return ShowReport();
}

ReportOutcome ReportOpener::DropFile(const std::string& path) {
    if (!HasReportExtension(path)) {
        shell_.ShowMessageBox(StyleZamknij, IconUwaga, messages::kWrongDrop);
        return ReportOutcome::Ignored;
    }
    state_.CurrentReportPath = path;
    return ShowReport();
}

ReportOutcome ReportOpener::Retry() { return ShowReport(); }

ReportOutcome ReportOpener::ShowReport() {
    ReportOutcome outcome;
    try {
        outcome = BuildReportPage();
        if (outcome == ReportOutcome::Shown) writer_(state_.PageFilePath, PageBytes(state_.ThePage));
    } catch (const FileTooLarge& error) {
        return Damaged(AboutTheReport(messages::TooLargeReport(error.size())));
    } catch (const FileWriteError& error) {
        return Damaged(messages::CannotWrite(error.path(), error.reason()));  // the report is sound
    } catch (...) {
        return Damaged(AboutTheReport(messages::kDamagedReport));
    }
    if (pages_) pages_->Navigate(state_.PageFilePath);
    return outcome;
}

ReportOutcome ReportOpener::Damaged(const AnsiText& message) {
    // Whatever went wrong, the page on screen and on disk stays the one shown before. The
    // half-built page goes: it may be what exhausted memory.
    HtmlPage().swap(state_.ThePage);
    shell_.ShowMessageBox(StyleZamknij, IconInformacja, message);
    return ReportOutcome::Damaged;
}

ReportOutcome ReportOpener::BuildReportPage() {
    BeginPage(state_.ThePage);
    ReportOutcome outcome = ReportOutcome::Shown;
    const Identified identified = IdentifyReport();
    // The tree lives for this build only, whatever becomes of it.
    const std::unique_ptr<ReportFile> report = std::move(report_);
    if (identified != Identified::Yes) {
        // A file gone is told as any other: whatever its name, it is not there.
        shell_.ShowMessageBox(StyleZamknij, IconInformacja,
                              identified == Identified::Missing ? AnsiText(messages::kMissingFile)
                                                                : AboutTheReport(messages::kCannotOpen));
        outcome = ReportOutcome::Unreadable;
    } else if (const ReportRenderer render = FindRenderer(state_.DocumentType)) {
        render(true, state_.ThePage, *report, options_);
    } else {
        shell_.ShowMessageBox(StyleZamknij, IconInformacja, messages::kWrongType);
        outcome = ReportOutcome::WrongType;
    }
    AppendFoot();
    return outcome;
}

ReportOpener::Identified ReportOpener::IdentifyReport() {
    report_.reset();
    lastBreak_.reset();
    const std::string& path = state_.CurrentReportPath;
    try {
        // Before any file was named there is nothing to miss: that reads as an empty report.
        std::unique_ptr<ReportFile> report =
            ReadReportFile(path, path.empty() ? MissingFile::ReadsAsEmpty : MissingFile::Raises);
        std::string type = report->Value("Doc");
        std::string date = report->Value("Date");
        lastBreak_ = report->Break();
        state_.DocumentType = std::move(type);
        state_.CreationDate = std::move(date);
        report_ = std::move(report);
        return Identified::Yes;
    } catch (const FileTooLarge&) {
        throw;  // no report is that large: the file is damaged, not merely unreadable
    } catch (const NoSuchFile&) {
        return Identified::Missing;
    } catch (...) {
        return Identified::Unreadable;
    }
}

AnsiText ReportOpener::AboutTheReport(const AnsiText& message) const {
    const std::vector<std::string>& listed = state_.FolderFiles;
    if (std::find(listed.begin(), listed.end(), state_.CurrentReportPath) == listed.end()) return message;
    return messages::NamingTheFile(message, state_.CurrentReportPath);
}

void ReportOpener::AppendFoot() {
    HtmlPage& page = state_.ThePage;
    OpenParagraph(page);
    AddBlankParagraph(page);
    AddTextLine("Utworzono: " + state_.CreationDate, page);
    CloseParagraph(page);
    EndPage(page);
}

bool HasReportExtension(const std::string& path) {
    const size_t nameStart = path.find_last_of('/') + 1;  // npos + 1 == 0
    const size_t dot = path.rfind('.');
    if (dot == std::string::npos || dot < nameStart) return false;
    std::string extension = path.substr(dot);
    for (char& c : extension)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return extension == ".xml";
}
