#include "folder_list.h"

#include "ansi_literal.h"
#include "folder_problem.h"

#include <algorithm>
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
#include "utf8.h"

namespace {

class EmptySummaryLine : public std::runtime_error {
public:
    EmptySummaryLine() : std::runtime_error("a report file gave an empty summary line") {}
};

// Straight from the tree's UTF-16, so that no character is lost to Windows-1250. The values
// that are there, joined as the line joins them.

// The rows in the order their lines sort into; rows of equal lines keep the folder's order.
std::vector<ListRow> InLineOrder(std::vector<ListRow> rows, LocaleServices& locale) {
    if (rows.size() < 2) return rows;  // sorting may mean loading the locale services
    std::vector<std::string> lines;
    lines.reserve(rows.size());
    std::map<std::string, std::deque<ListRow*>> rowsOfLine;
    for (ListRow& row : rows) {
        lines.push_back(row.line);
        rowsOfLine[row.line].push_back(&row);
    }
    locale.SortIgnoringCase(lines);
    std::vector<ListRow> ordered;
    ordered.reserve(rows.size());
    for (const std::string& line : lines) {
        std::deque<ListRow*>& candidates = rowsOfLine.at(line);
        ordered.push_back(std::move(*candidates.front()));
        candidates.pop_front();
    }
    return ordered;
}

}  // namespace

std::string SummarySuffix(const std::string& documentType, TpkXML& document) {
    const DocumentType* type = FindDocumentType(documentType);
    if (!type) return "";
    std::string suffix = " - " + std::string(type->listName);
    for (std::string_view field : type->summaryFields)
        if (!field.empty()) suffix += " - " + SchoolValue(field, document);
    return suffix;
}

std::optional<ListRow> ReadListRow(const std::string& path) {
    try {
        // The search found it: one gone since is a file that cannot be opened, not an empty one.
        const std::unique_ptr<ReportFile> report = ReadReportFile(path, MissingFile::Raises);
        TpkXML& document = report->document();
        ListRow row;
        row.file = path;
        row.documentType = report->Value("Doc");
        row.line = report->Value("Belfer") + SummarySuffix(row.documentType, document);
        row.teacher = WideToUtf8(SchoolText("Belfer", document));
        row.concerns = ConcernsOf(FindDocumentType(row.documentType), document);
        row.date = WideToUtf8(SchoolText("Date", document));
        return row;
    } catch (const FileTooLarge&) {
        throw;  // no report is that large: a damaged file, which spoils the list
    } catch (...) {
        return std::nullopt;  // a file nobody can read is left out of the list without a word
    }
}

bool FolderUnreadable(Shell& shell, const std::string& folder, ListMessages messages) {
    const std::optional<FolderProblem> problem = ProblemWithFolder(folder);
    if (problem && messages == ListMessages::Shown)
        shell.ShowMessageBox(StyleZamknij, IconInformacja, messages::FolderNotRead(*problem, folder));
    return problem.has_value();
}

FolderLister::FolderLister(ProgramState& state, Shell& shell, LocaleServices& locale, PageNavigator* pages)
    : state_(state), shell_(shell), pages_(pages), locale_(locale) {}

ListOutcome FolderLister::ReadRows(const std::string& folder, FolderProgress* progress, ListMessages messages,
                                   std::vector<ListRow>& rows) {
    if (FolderUnreadable(shell_, folder, messages)) return ListOutcome::Unreadable;
    const std::vector<std::string> files = FindReportFiles(folder);
    if (files.empty()) {
        if (messages == ListMessages::Shown)
            shell_.ShowMessageBox(StyleZamknij, IconInformacja, messages::kNoReportFiles);
        return ListOutcome::NoFiles;
    }
    std::vector<ListRow> read;
    // Every file is read even after a damaged one, so that the message can name them all.
    std::vector<std::string> damaged;
    for (std::size_t i = 0; i < files.size(); ++i) {
        if (progress && !progress->Advance(i, files.size())) return ListOutcome::Cancelled;
        try {
            std::optional<ListRow> row = ReadListRow(files[i]);
            // A report with neither a teacher nor a known type gives an empty line, which the
            // page, grouping lines by their first letter, cannot place: every form of the list
            // refuses it alike.
            if (row && row->line.empty())
                damaged.push_back(files[i]);
            else if (row)
                read.push_back(std::move(*row));
        } catch (const FileTooLarge&) {
            damaged.push_back(files[i]);
        }
    }
    if (progress && !progress->Advance(files.size(), files.size())) return ListOutcome::Cancelled;
    if (!damaged.empty())
        return Damaged(messages, messages::kDamagedFolder + Ansi<"\r"> + messages::DamagedFiles(damaged));
    rows = InLineOrder(std::move(read), locale_);
    return ListOutcome::Shown;
}

ListOutcome FolderLister::ListReceivedReports(const std::string& folder, FolderProgress* progress,
                                              ListMessages messages) {
    state_.LastFolder = folder;
    std::vector<ListRow> rows;
    const ListOutcome read = ReadRows(folder, progress, messages, rows);
    if (read != ListOutcome::Shown) return read;
    std::vector<std::string> summary;
    std::vector<std::string> files;
    summary.reserve(rows.size());
    files.reserve(rows.size());
    for (ListRow& row : rows) {
        summary.push_back(std::move(row.line));
        files.push_back(std::move(row.file));
    }
    // A failed build below leaves the shown list and its files as they were.
    std::vector<std::string> previousSummary = std::exchange(state_.FolderSummary, std::move(summary));
    try {
        BuildFolderListPage();
    } catch (const FileWriteError& error) {
        state_.FolderSummary = std::move(previousSummary);
        return Damaged(messages, messages::CannotWrite(error.path(), error.reason()));  // the folder is sound
    } catch (...) {
        state_.FolderSummary = std::move(previousSummary);
        return Damaged(messages, messages::kDamagedFolder);
    }
    state_.FolderFiles = std::move(files);
    if (pages_) pages_->Navigate(state_.PageFilePath);
    return ListOutcome::Shown;
}

ListOutcome FolderLister::ListRows(const std::string& folder, const RowWriter& write, ListMessages messages) {
    std::vector<ListRow> rows;
    const ListOutcome read = ReadRows(folder, nullptr, messages, rows);
    if (read != ListOutcome::Shown) return read;
    try {
        write(rows);
    } catch (const FileWriteError& error) {
        return Damaged(messages, messages::CannotWrite(error.path(), error.reason()));
    } catch (...) {
        return Damaged(messages, messages::kDamagedFolder);
    }
    return ListOutcome::Shown;
}

ListOutcome FolderLister::Damaged(ListMessages messages, const AnsiText& message) {
    if (messages == ListMessages::Shown) shell_.ShowMessageBox(StyleZamknij, IconInformacja, message);
    return ListOutcome::Damaged;
}

void FolderLister::BuildFolderListPage() {
    HtmlPage& page = state_.ThePage;
    BeginPage(page);
    OpenParagraph(page);
    AddTitle(Ansi<"LISTA OTRZYMANYCH SPRAWOZDAŃ">, page);
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

std::string ConcernsOf(const DocumentType* type, TpkXML& document) {
    if (!type) return "";
    std::u16string text;
    for (std::string_view field : type->summaryFields) {
        const std::u16string value = field.empty() ? u"" : SchoolText(field, document);
        if (!value.empty()) text += (text.empty() ? u"" : u" - ") + value;
    }
    return WideToUtf8(text);
}
