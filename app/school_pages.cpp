#include "school_pages.h"

#include "exit_codes.h"
#include "html_page.h"

SchoolPages::SchoolPages(ProgramState& state, Shell& shell, LocaleServices& locale)
    : state_(state), shell_(shell), locale_(locale) {}

int SchoolPageOutcome::ExitCode() const {
    if (outcome == ListOutcome::Shown && !leftOut.empty()) return kDamagedFolder;
    return ExitCodeOf(outcome);
}

std::string SchoolPageTitle(SchoolPageKind kind) {
    return kind == SchoolPageKind::Combined ? "SPRAWOZDANIE ZBIORCZE" : "WYNIKI KLASYFIKACJI";
}

// A placeholder until the pages are built: the title alone.
SchoolPageOutcome SchoolPages::Build(SchoolPageKind kind, const std::string& folder, FolderProgress*, ListMessages) {
    state_.LastFolder = folder;
    HtmlPage& page = state_.ThePage;
    BeginPage(page);
    AddTitle(SchoolPageTitle(kind), page);
    AddTextLine(locale_.CurrentDateText(), page);
    EndPage(page);
    writer_(state_.PageFilePath, PageBytes(page));
    shell_.Navigate(state_.PageFilePath);
    return {ListOutcome::Shown, {}};
}

SchoolPageOutcome SchoolPages::SummarySpreadsheet(const std::string&, const std::string& path) {
    writer_(path, "\xEF\xBB\xBFKlasa;Wychowawca\r\n");
    return {ListOutcome::Shown, {}};
}
