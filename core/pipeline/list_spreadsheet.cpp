#include "list_spreadsheet.h"

#include "document_types.h"
#include "file_names.h"
#include "utf8.h"

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view kHeader = "Plik;Nauczyciel;Rodzaj;Dotyczy;Data\r\n";

}  // namespace

std::string FileNameCell(const std::string& path) {
    const std::string name = PathFileName(path);
    return IsStrictUtf8(name) ? name : AnsiToUtf8(name);
}

std::string Spreadsheet(const std::vector<ListRow>& rows) {
    std::string sheet = std::string(kByteOrderMark) + std::string(kHeader);
    for (const ListRow& row : rows) {
        const DocumentType* type = FindDocumentType(row.documentType);
        sheet += SpreadsheetLine({FileNameCell(row.file), row.teacher,
                                  type ? AnsiToUtf8(type->listName) : std::string(), row.concerns, row.date});
    }
    return sheet;
}

std::string SpreadsheetLine(const std::vector<std::string>& cells) {
    std::string line;
    for (std::size_t i = 0; i < cells.size(); ++i) line += (i ? ";" : "") + SpreadsheetCell(cells[i]);
    return line + "\r\n";
}

std::string CsvField(std::string_view utf8) {
    if (utf8.find_first_of(";,\t\"\r\n") == std::string_view::npos) return std::string(utf8);
    std::string quoted = "\"";
    for (char c : utf8) quoted += c == '"' ? "\"\"" : std::string(1, c);
    return quoted + "\"";
}

// A cell beginning with = + - or @ (or a tab or CR, before one) is taken by a spreadsheet
// program for a formula, which may fetch or run what a report's author wrote. As the guidance on
// CSV injection (OWASP) recommends, such a cell gets a leading apostrophe, which makes it text,
// and is quoted.
std::string SpreadsheetCell(std::string_view utf8) {
    if (utf8.empty() || std::string_view("=+-@\t\r").find(utf8.front()) == std::string_view::npos)
        return CsvField(utf8);
    std::string quoted = "\"'";
    for (char c : utf8) quoted += c == '"' ? "\"\"" : std::string(1, c);
    return quoted + "\"";
}
