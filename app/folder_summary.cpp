#include "folder_summary.h"

#include <stdexcept>

#include "file_access.h"
#include "html_page.h"
#include "messages.h"
#include "pkxml.h"
#include "report_search.h"
#include "school_value.h"

namespace {

class EmptySummaryLine : public std::runtime_error {
public:
    EmptySummaryLine() : std::runtime_error("a report file gave an empty summary line") {}
};

std::string Field(const char* name, TpkXML& document) { return SchoolValue(name, document); }

}  // namespace

std::string SummarySuffix(const std::string& type, TpkXML& document) {
    if (type == "Realizacja programu z przedmiotu nauczania")
        return " - Realizacja programu nauczania - " + Field("Przedmiot", document) + " - " +
               Field("Klasy", document);
    if (type == "Klasyfikacja klasy z zachowania")
        return " - Klasyfikacja z zachowania - " + Field("Klasa", document);
    if (type == "Klasyfikacja klasy") return " - Klasyfikacja z nauczania - " + Field("Klasa", document);
    if (type == "Sprawozdanie dyrektora") return " - Sprawozdanie dyrektora";
    if (type == "Realizacja programu wychowawczego")
        return " - Realizacja planu wychowawczego - " + Field("Klasa", document);
    if (type == "Realizacja dodatkowych")
        return " - Realizacja zaj\xEA\xE6 dodatkowych - " + Field("Zajecia", document);
    if (type == "Uzasadnienie oceny niedostatecznej")
        return " - Uzasadnienie Ndst - " + Field("Przedmiot", document) + " - " + Field("Klasa", document);
    if (type == "Inne informacje") return " - Inne - " + Field("Dotyczy", document);
    if (type == "Z karty") return " - Realizacja godzin wynikaj\xB9" "cych z karty";
    return "";
}

bool SummariseReportFile(const std::string& path, std::string& line, std::string& documentType) {
    try {
        TpkXML document;
        document.LoadFromFile(path);
        documentType = SchoolValue("Doc", document);
        line = SchoolValue("Belfer", document) + SummarySuffix(documentType, document);
        return true;
    } catch (...) {
        return false;  // a file nobody can read is left out of the list without a word
    }
}

FolderLister::FolderLister(ProgramState& state, Shell& shell, LocaleServices& locale)
    : state_(state), shell_(shell), locale_(locale) {}

ListOutcome FolderLister::ListReceivedReports(const std::string& folder, FolderProgress* progress) {
    state_.LastFolder = folder;
    const std::vector<std::string> files = FindReportFiles(folder);
    if (files.empty()) {
        shell_.ShowMessageBox(StyleZamknij, IconInformacja, std::string(messages::kNoReportFiles));
        return ListOutcome::NoFiles;
    }
    // Built aside, so that a cancelled listing leaves the summary and the type as they were.
    std::vector<std::string> summary;
    std::string documentType = state_.DocumentType;
    for (std::size_t i = 0; i < files.size(); ++i) {
        if (progress && !progress->Advance(i, files.size())) return ListOutcome::Cancelled;
        std::string line;
        if (SummariseReportFile(files[i], line, documentType)) summary.push_back(std::move(line));
    }
    if (progress && !progress->Advance(files.size(), files.size())) return ListOutcome::Cancelled;
    locale_.SortIgnoringCase(summary);
    state_.FolderSummary = std::move(summary);
    state_.DocumentType = std::move(documentType);
    try {
        BuildFolderListPage();
    } catch (...) {
        shell_.ShowMessageBox(StyleZamknij, IconInformacja, std::string(messages::kDamagedFolder));
        return ListOutcome::Damaged;
    }
    shell_.Navigate(state_.PageFilePath);
    return ListOutcome::Shown;
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
    WriteFileReplacing(state_.PageFilePath, PageBytes(page));
}
