#include "folder_summary.h"

#include <deque>
#include <map>
#include <stdexcept>
#include <utility>

#include "document_types.h"
#include "file_access.h"
#include "html_page.h"
#include "messages.h"
#include "pkxml.h"
#include "report_file.h"
#include "report_search.h"
#include "school_value.h"

namespace {

class EmptySummaryLine : public std::runtime_error {
public:
    EmptySummaryLine() : std::runtime_error("a report file gave an empty summary line") {}
};

}  // namespace

std::string SummarySuffix(const std::string& documentType, TpkXML& document) {
    const DocumentType* type = FindDocumentType(documentType);
    if (!type) return "";
    std::string suffix = " - " + std::string(type->listName);
    for (std::string_view field : type->summaryFields)
        if (!field.empty()) suffix += " - " + SchoolValue(field, document);
    return suffix;
}

bool SummariseReportFile(const std::string& path, std::string& line, std::string& documentType) {
    try {
        // The search found it: one gone since is a file that cannot be opened, not an empty one.
        const std::unique_ptr<ReportFile> report = ReadReportFile(path, MissingFile::CannotBeOpened);
        documentType = report->Value("Doc");
        line = report->Value("Belfer") + SummarySuffix(documentType, report->document());
        return true;
    } catch (const FileTooLarge&) {
        throw;  // no report is that large: a damaged file, which spoils the list
    } catch (...) {
        return false;  // a file nobody can read is left out of the list without a word
    }
}

std::vector<std::string> FilesInLineOrder(const std::vector<std::string>& sortedLines,
                                          const std::vector<std::string>& lines,
                                          const std::vector<std::string>& files) {
    std::map<std::string, std::deque<const std::string*>> filesOfLine;
    for (std::size_t i = 0; i < lines.size(); ++i) filesOfLine[lines[i]].push_back(&files[i]);
    std::vector<std::string> ordered;
    ordered.reserve(sortedLines.size());
    for (const std::string& line : sortedLines) {
        std::deque<const std::string*>& candidates = filesOfLine.at(line);
        ordered.push_back(*candidates.front());
        candidates.pop_front();
    }
    return ordered;
}

FolderLister::FolderLister(ProgramState& state, Shell& shell, LocaleServices& locale)
    : state_(state), shell_(shell), locale_(locale) {}

ListOutcome FolderLister::ListReceivedReports(const std::string& folder, FolderProgress* progress,
                                              ListMessages messages) {
    state_.LastFolder = folder;
    const std::vector<std::string> files = FindReportFiles(folder);
    if (files.empty()) {
        if (messages == ListMessages::Shown)
            shell_.ShowMessageBox(StyleZamknij, IconInformacja, std::string(messages::kNoReportFiles));
        return ListOutcome::NoFiles;
    }
    // Built aside, so that a cancelled listing leaves the summary and the type as they were.
    std::vector<std::string> summary;
    std::vector<std::string> summarised;  // the file of each line
    std::string documentType = state_.DocumentType;
    try {
        for (std::size_t i = 0; i < files.size(); ++i) {
            if (progress && !progress->Advance(i, files.size())) return ListOutcome::Cancelled;
            std::string line;
            if (SummariseReportFile(files[i], line, documentType)) {
                summary.push_back(std::move(line));
                summarised.push_back(files[i]);
            }
        }
    } catch (const FileTooLarge&) {
        return Damaged(messages);
    }
    if (progress && !progress->Advance(files.size(), files.size())) return ListOutcome::Cancelled;
    std::vector<std::string> sorted = summary;
    locale_.SortIgnoringCase(sorted);
    // A failed build below leaves the shown list and its files as they were.
    std::vector<std::string> previousSummary = std::exchange(state_.FolderSummary, std::move(sorted));
    state_.DocumentType = std::move(documentType);
    try {
        BuildFolderListPage();
    } catch (...) {
        state_.FolderSummary = std::move(previousSummary);
        return Damaged(messages);
    }
    state_.FolderFiles = FilesInLineOrder(state_.FolderSummary, summary, summarised);
    shell_.Navigate(state_.PageFilePath);
    return ListOutcome::Shown;
}

ListOutcome FolderLister::Damaged(ListMessages messages) {
    if (messages == ListMessages::Shown)
        shell_.ShowMessageBox(StyleZamknij, IconInformacja, std::string(messages::kDamagedFolder));
    return ListOutcome::Damaged;
}

void FolderLister::BuildFolderListPage() {
    HtmlPage& page = state_.ThePage;
    BeginPage(page);
    OpenParagraph(page);
    AddTitle("LISTA OTRZYMANYCH SPRAWOZDA\xD1", page);
    CloseParagraph(page);
    OpenParagraph(page);  // left open: the lines below stand in it until the page ends
    char previousInitial = 'z';
    for (const std::string& line : state_.FolderSummary) {
        if (line.empty()) throw EmptySummaryLine();
        if (line.front() != previousInitial) {
            previousInitial = line.front();
            page.emplace_back("<br>");
        }
        AddTextLine(" - " + line, page);
    }
    AddBlankParagraph(page);
    const std::string date = locale_.CurrentDateText();  // the clock is read twice, date first
    const std::string time = locale_.CurrentTimeText();
    AddTextLine("  Stan na: " + date + " g. " + time, page);
    EndPage(page);
    writer_(state_.PageFilePath, PageBytes(page));
}
