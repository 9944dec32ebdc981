#pragma once
// The school's pages of a whole folder, beyond the list: the combined report (every report under
// its type, one after another, as the head teacher takes them to the teachers' council) and the
// classification summary (the figures of every class and of the school). Unlike the list, one
// damaged or foreign file never sinks them: it is left out and named at the end of the page.
#include <string>
#include <string_view>
#include <vector>

#include "folder_reports.h"
#include "folder_list.h"
#include "locale_services.h"
#include "page_writer.h"
#include "program_state.h"
#include "shell.h"

enum class SchoolPageKind {
    Combined,  // "Sprawozdanie zbiorcze"
    Summary,   // "Wyniki klasyfikacji"
    Check,     // "Sprawdzenie plików": every file of the folder with its verdict
};

struct SchoolPageOutcome {
    ListOutcome outcome = ListOutcome::NoFiles;  // Shown when the page was written and shown
    std::vector<LeftOutFile> leftOut;            // files named at the page's end, with why
};

class SchoolPages {
public:
    // The pages written are shown by `pages`, when there is a view to show them.
    SchoolPages(ProgramState& state, Shell& shell, LocaleServices& locale, PageNavigator* pages = nullptr);

    // Builds the page of the folder into ThePage, writes it to PageFilePath and shows it. No
    // report files: the list's message, NoFiles. A page that cannot be written: the message
    // naming it, Damaged. FolderSummary and FolderFiles are left alone.
    SchoolPageOutcome Build(SchoolPageKind kind, const std::string& folder, FolderProgress* progress = nullptr,
                            ListMessages messages = ListMessages::Shown);
    // The summary's table as a spreadsheet (UTF-8 with a byte-order mark, ";", CR LF, the
    // header row, one row per class, "Razem" last), written by `writer` to `path`.
    SchoolPageOutcome SummarySpreadsheet(const std::string& folder, const std::string& path);
    // The check page's table as a spreadsheet, in the same form.
    SchoolPageOutcome CheckSpreadsheet(const std::string& folder, const std::string& path);

    // Where pages go; the page file by default.
    void SetPageWriter(PageWriter writer) { writer_ = std::move(writer); }

private:
    // The folder's reports; NoFiles (told when messages are shown) or Cancelled stop there.
    SchoolPageOutcome Read(const std::string& folder, FolderProgress* progress, ListMessages messages,
                           FolderReports& reports);
    // NoFiles (told when messages are shown) or Cancelled stop a page; Shown goes on.
    SchoolPageOutcome Found(std::size_t files, bool cancelled, ListMessages messages);
    // The page's head: its title and the folder it was made of.
    static void BeginSchoolPage(SchoolPageKind kind, const std::string& folder, HtmlPage& page);
    // Writes the bytes; a failed write is told by the output's name, and ends as Damaged.
    SchoolPageOutcome Written(const std::string& path, std::string_view bytes, ListMessages messages,
                              SchoolPageOutcome outcome);

    ProgramState& state_;
    Shell& shell_;
    PageNavigator* pages_;
    LocaleServices& locale_;
    PageWriter writer_ = WritePageFile;
};

// What the page is called, Windows-1250: its title, and the name of the command.
std::string SchoolPageTitle(SchoolPageKind kind);
