#include "folder_check.h"

#include <algorithm>

#include "ansi_literal.h"
#include "list_spreadsheet.h"
#include "messages.h"
#include "report_search.h"
#include "school_page_html.h"
#include "school_value.h"
#include "utf8.h"

namespace {

constexpr std::string_view kColumns[] = {"Plik", "Nauczyciel", "Rodzaj", "Dotyczy", "Ocena",
                                         Ansi<"Co zrobić">};

CheckedFile Checked(const std::string& path) {
    JudgedFile judged = JudgeReportFile(path);
    CheckedFile checked{path, std::move(judged.verdict), {}, {}, {}};
    if (!judged.report) return checked;
    TpkXML& document = judged.report->document();
    checked.teacher = judged.report->Utf8({"Belfer"});
    checked.type = judged.type ? AnsiToUtf8(judged.type->listName) : judged.report->Utf8({"Doc"});
    checked.concerns = ConcernsOf(judged.type, document);
    return checked;
}

std::vector<std::string> Cells(const CheckedFile& file) {
    return {FileNameCell(file.file), file.teacher, file.type, file.concerns, file.verdict.Said().ToUtf8(),
            file.verdict.Advice().ToUtf8()};
}

std::string CountLine(const FolderCheck& check) {
    const auto sound = std::count_if(check.checked.begin(), check.checked.end(),
                                     [](const CheckedFile& file) { return file.verdict.Sound(); });
    return "Plików: " + std::to_string(check.checked.size()) + "; w porządku: " + std::to_string(sound) +
           "; do poprawienia: " + std::to_string(check.checked.size() - static_cast<std::size_t>(sound)) + ".";
}

}  // namespace

std::vector<LeftOutFile> FolderCheck::NotSound() const {
    std::vector<LeftOutFile> files;
    for (const CheckedFile& file : checked)
        if (!file.verdict.Sound()) files.push_back({file.file, file.verdict});
    return files;
}

FolderCheck CheckFolder(const std::string& folder, FolderProgress* progress) {
    const std::vector<std::string> files = FindReportFiles(folder);
    FolderCheck check;
    check.files = files.size();
    for (std::size_t i = 0; i < files.size(); ++i) {
        if (progress && !progress->Advance(i, files.size())) {
            check.cancelled = true;
            return check;
        }
        check.checked.push_back(Checked(files[i]));
    }
    if (progress && !progress->Advance(files.size(), files.size())) check.cancelled = true;
    std::stable_sort(check.checked.begin(), check.checked.end(), [](const CheckedFile& a, const CheckedFile& b) {
        if (a.verdict.Sound() != b.verdict.Sound()) return b.verdict.Sound();
        return a.file < b.file;
    });
    return check;
}

void WriteFolderCheck(const FolderCheck& check, HtmlPage& page) {
    AddTextLine(HtmlText(CountLine(check)), page);
    AddBlankParagraph(page);
    OpenTable({std::begin(kColumns), std::end(kColumns)}, page);
    for (const CheckedFile& file : check.checked) {
        std::vector<std::string> cells;
        for (const std::string& cell : Cells(file)) cells.push_back(HtmlText(cell));
        if (!file.verdict.Sound()) cells[4] = "<b>" + cells[4] + "</b>";
        page.push_back(TableRow(cells));
    }
    CloseTable(page);
}

std::string FolderCheckSpreadsheet(const FolderCheck& check) {
    std::vector<std::string> header;
    for (std::string_view column : kColumns) header.push_back(AnsiToUtf8(column));
    std::string sheet = "\xEF\xBB\xBF" + SpreadsheetLine(header);
    for (const CheckedFile& file : check.checked) sheet += SpreadsheetLine(Cells(file));
    return sheet;
}
