#include "list_spreadsheet.h"

#include <deque>
#include <filesystem>
#include <optional>
#include <unordered_map>
#include <vector>

#include "code_page.h"
#include "document_types.h"
#include "messages.h"
#include "report_file.h"
#include "report_search.h"
#include "school_value.h"
#include "utf8.h"

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view kHeader = "Plik;Nauczyciel;Rodzaj;Dotyczy;Data\r\n";

struct Row {
    std::string listLine;  // the folder list's line: its order, and empty where the list fails
    std::string cells;
};

// File names are the file system's bytes: UTF-8 as a rule, Windows-1250 when unpacked so.
std::string FileNameCell(const std::string& path) {
    const std::string name = std::filesystem::path(path).filename().string();
    return IsStrictUtf8(name) ? name : AnsiToUtf8(name);
}

// Straight from the tree's UTF-16, so that no character is lost to Windows-1250. The values
// that are there, joined as the list joins them.
std::string Concerns(const DocumentType* type, TpkXML& document) {
    if (!type) return "";
    std::u16string text;
    for (std::string_view field : type->summaryFields) {
        const std::u16string value = field.empty() ? u"" : SchoolText(field, document);
        if (!value.empty()) text += (text.empty() ? u"" : u" - ") + value;
    }
    return WideToUtf8(text);
}

// Nothing for a file that cannot be read: the list leaves it out without a word.
std::optional<Row> ReadRow(const std::string& path) {
    try {
        const std::unique_ptr<ReportFile> report = ReadReportFile(path);
        TpkXML& document = report->document();
        const std::string documentType = report->Value("Doc");
        const DocumentType* type = FindDocumentType(documentType);
        Row row{report->Value("Belfer") + SummarySuffix(documentType, document), ""};
        const std::string cells[] = {FileNameCell(path), WideToUtf8(SchoolText("Belfer", document)),
                                     type ? AnsiToUtf8(type->listName) : std::string(), Concerns(type, document),
                                     WideToUtf8(SchoolText("Date", document))};
        for (const std::string& cell : cells) row.cells += CsvField(cell) + ";";
        row.cells.pop_back();
        return row;
    } catch (...) {
        return std::nullopt;
    }
}

// The rows in the order the list sorts its lines into; rows of equal lines keep the folder's order.
std::vector<const Row*> InListOrder(const std::vector<Row>& rows, LocaleServices& locale) {
    std::vector<std::string> lines;
    std::unordered_map<std::string, std::deque<const Row*>> rowsOf;
    for (const Row& row : rows) {
        lines.push_back(row.listLine);
        rowsOf[row.listLine].push_back(&row);
    }
    locale.SortIgnoringCase(lines);
    std::vector<const Row*> ordered;
    for (const std::string& line : lines) {
        ordered.push_back(rowsOf[line].front());
        rowsOf[line].pop_front();
    }
    return ordered;
}

// Nothing when a row's list line is empty: the list fails on such a line, and so does the sheet.
std::optional<std::string> Sheet(const std::vector<const Row*>& rows) {
    std::string sheet = std::string(kByteOrderMark) + std::string(kHeader);
    for (const Row* row : rows) {
        if (row->listLine.empty()) return std::nullopt;
        sheet += row->cells + "\r\n";
    }
    return sheet;
}

}  // namespace

std::string CsvField(std::string_view utf8) {
    if (utf8.find_first_of(";\"\r\n") == std::string_view::npos) return std::string(utf8);
    std::string quoted = "\"";
    for (char c : utf8) quoted += c == '"' ? "\"\"" : std::string(1, c);
    return quoted + "\"";
}

SpreadsheetLister::SpreadsheetLister(Shell& shell, LocaleServices& locale) : shell_(shell), locale_(locale) {}

ListOutcome SpreadsheetLister::List(const std::string& folder, const std::string& path) {
    const std::vector<std::string> files = FindReportFiles(folder);
    if (files.empty()) {
        shell_.ShowMessageBox(StyleZamknij, IconInformacja, std::string(messages::kNoReportFiles));
        return ListOutcome::NoFiles;
    }
    std::vector<Row> rows;
    for (const std::string& file : files)
        if (std::optional<Row> row = ReadRow(file)) rows.push_back(std::move(*row));
    const std::optional<std::string> sheet = Sheet(InListOrder(rows, locale_));
    try {
        if (sheet) {
            writer_(path, *sheet);
            return ListOutcome::Shown;
        }
    } catch (...) {
    }
    shell_.ShowMessageBox(StyleZamknij, IconInformacja, std::string(messages::kDamagedFolder));
    return ListOutcome::Damaged;
}
