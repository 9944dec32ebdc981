#include "school_pages.h"

#include <algorithm>

#include "ansi_literal.h"
#include "classification_figures.h"
#include "combined_report.h"
#include "file_access.h"
#include "folder_check.h"
#include "folder_reports.h"
#include "html_page.h"
#include "messages.h"
#include "school_page_html.h"
#include "summary_page.h"
#include "summary_spreadsheet.h"

namespace {

// Left out while reading, while rendering or gathering: named once each, by name.
std::vector<LeftOutFile> AllLeftOut(std::vector<LeftOutFile> read, const std::vector<LeftOutFile>& later) {
    read.insert(read.end(), later.begin(), later.end());
    const auto byFile = [](const LeftOutFile& a, const LeftOutFile& b) { return a.file < b.file; };
    std::stable_sort(read.begin(), read.end(), byFile);
    read.erase(std::unique(read.begin(), read.end(),
                           [](const LeftOutFile& a, const LeftOutFile& b) { return a.file == b.file; }),
               read.end());
    return read;
}

}  // namespace

SchoolPages::SchoolPages(ProgramState& state, Shell& shell, LocaleServices& locale, PageNavigator* pages)
    : state_(state), shell_(shell), pages_(pages), locale_(locale) {}

std::string SchoolPageTitle(SchoolPageKind kind) {
    switch (kind) {
    case SchoolPageKind::Combined: return "SPRAWOZDANIE ZBIORCZE";
    case SchoolPageKind::Summary: return "WYNIKI KLASYFIKACJI";
    case SchoolPageKind::Check: break;
    }
    return std::string(Ansi<"SPRAWDZENIE PLIKÓW">);
}

SchoolPageOutcome SchoolPages::Read(const std::string& folder, FolderProgress* progress, ListMessages messages,
                                    FolderReports& reports) {
    if (FolderUnreadable(shell_, folder, messages)) return {ListOutcome::Unreadable, {}};
    reports = ReadFolderReports(folder, progress);
    return Found(reports.files, reports.cancelled, messages);
}

SchoolPageOutcome SchoolPages::Found(std::size_t files, bool cancelled, ListMessages messages) {
    if (cancelled) return {ListOutcome::Cancelled, {}};
    if (files == 0) {
        if (messages == ListMessages::Shown)
            shell_.ShowMessageBox(StyleZamknij, IconInformacja, messages::kNoReportFiles);
        return {ListOutcome::NoFiles, {}};
    }
    return {ListOutcome::Shown, {}};
}

void SchoolPages::BeginSchoolPage(SchoolPageKind kind, const std::string& folder, HtmlPage& page) {
    BeginPage(page);
    AddSchoolPageStyle(page);
    AddTitle(SchoolPageTitle(kind), page);
    AddFolderLine(folder, page);
}

SchoolPageOutcome SchoolPages::Build(SchoolPageKind kind, const std::string& folder, FolderProgress* progress,
                                     ListMessages messages) {
    HtmlPage& page = state_.ThePage;
    SchoolPageOutcome outcome;
    if (kind == SchoolPageKind::Check) {
        const FolderCheck check = CheckFolder(folder, progress);
        outcome = Found(check.files, check.cancelled, messages);
        if (outcome.outcome != ListOutcome::Shown) return outcome;
        BeginSchoolPage(kind, folder, page);
        WriteFolderCheck(check, page);
        outcome.leftOut = check.NotSound();
    } else {
        FolderReports reports;
        outcome = Read(folder, progress, messages, reports);
        if (outcome.outcome != ListOutcome::Shown) return outcome;
        BeginSchoolPage(kind, folder, page);
        std::vector<LeftOutFile> later;
        if (kind == SchoolPageKind::Combined) {
            const RenderOptions options([this] { return locale_.DecimalSeparator(); });
            WriteCombinedReport(reports, options, page, later);
        } else {
            const SchoolFigures figures = GatherFigures(reports);
            later = figures.leftOut;
            WriteSummary(figures, locale_.DecimalSeparator(), page);
        }
        outcome.leftOut = AllLeftOut(std::move(reports.leftOut), later);
        AddLeftOutFiles(outcome.leftOut, page);
    }
    AddStateStamp(locale_, page);
    EndPage(page);
    outcome = Written(state_.PageFilePath, PageBytes(page), messages, std::move(outcome));
    if (outcome.outcome == ListOutcome::Shown && pages_) pages_->Navigate(state_.PageFilePath);
    return outcome;
}

SchoolPageOutcome SchoolPages::SummarySpreadsheet(const std::string& folder, const std::string& path) {
    FolderReports reports;
    SchoolPageOutcome outcome = Read(folder, nullptr, ListMessages::Shown, reports);
    if (outcome.outcome != ListOutcome::Shown) return outcome;
    const SchoolFigures figures = GatherFigures(reports);
    outcome.leftOut = AllLeftOut(std::move(reports.leftOut), figures.leftOut);
    return Written(path, SummarySpreadsheetText(figures, locale_.DecimalSeparator()), ListMessages::Shown,
                   std::move(outcome));
}

SchoolPageOutcome SchoolPages::CheckSpreadsheet(const std::string& folder, const std::string& path) {
    const FolderCheck check = CheckFolder(folder);
    SchoolPageOutcome outcome = Found(check.files, check.cancelled, ListMessages::Shown);
    if (outcome.outcome != ListOutcome::Shown) return outcome;
    outcome.leftOut = check.NotSound();
    return Written(path, FolderCheckSpreadsheet(check), ListMessages::Shown, std::move(outcome));
}

SchoolPageOutcome SchoolPages::Written(const std::string& path, std::string_view bytes, ListMessages messages,
                                       SchoolPageOutcome outcome) {
    try {
        writer_(path, bytes);
    } catch (const FileWriteError& error) {
        if (messages == ListMessages::Shown)
            shell_.ShowMessageBox(StyleZamknij, IconInformacja, messages::CannotWrite(error.path(), error.reason()));
        return {ListOutcome::Damaged, std::move(outcome.leftOut)};
    }
    return outcome;
}
