#pragma once
// The list of received reports: one line per report file of a folder (who made it and what it
// is), sorted by teacher, grouped by initial, and stamped with the date and time of listing.
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "locale_services.h"
#include "page_writer.h"
#include "program_state.h"
#include "shell.h"

class TpkXML;
struct DocumentType;

// Told before each file is read; answering false cancels the listing.
class FolderProgress {
public:
    virtual ~FolderProgress() = default;
    virtual bool Advance(std::size_t done, std::size_t total) = 0;
};

enum class ListOutcome {
    Shown,      // the list page was written and shown
    NoFiles,    // no report files in the folder
    Damaged,    // a damaged file or a failed write: nothing written, the view left alone
    Cancelled,  // stopped by the user: everything as it was
    Unreadable, // the folder is not there, is a file, or cannot be listed: said, naming it
};

// One report of a listed folder, read once for every form the list takes.
struct ListRow {
    std::string file;          // as the folder search found it
    std::string line;          // the list's line, Windows-1250: the teacher and the type's suffix
    std::string documentType;  // `Szkola`/`Doc`
    // UTF-8 straight from the tree, for output that can carry every character.
    std::string teacher;   // `Belfer`
    std::string concerns;  // the type's summary fields that are there, joined as the line joins them
    std::string date;      // `Date`
};

// Writes a list's rows out in some form; a failure is thrown.
using RowWriter = std::function<void(const std::vector<ListRow>& rows)>;

// Whether the listing's failures are told to the user. A listing the program starts by itself
// (the folder changed) keeps quiet and leaves the list shown as it was.
enum class ListMessages { Shown, Quiet };

// True when `folder` cannot be gathered; the message naming it is shown unless Quiet.
bool FolderUnreadable(Shell& shell, const std::string& folder, ListMessages messages);

class FolderLister {
public:
    // The pages written are shown by `pages`, when there is a view to show them.
    FolderLister(ProgramState& state, Shell& shell, LocaleServices& locale, PageNavigator* pages = nullptr);

    // Lists the chosen folder (the folder dialog's answer), with progress when given.
    ListOutcome ListReceivedReports(const std::string& folder, FolderProgress* progress = nullptr,
                                    ListMessages messages = ListMessages::Shown);
    // The same list in another form: `write` gets its rows in the list's order, and a write
    // that throws is a damaged folder, as a failed page write is. The state is left alone.
    ListOutcome ListRows(const std::string& folder, const RowWriter& write,
                         ListMessages messages = ListMessages::Shown);
    // Fills ThePage with the list of FolderSummary and writes it to the page file.
    void BuildFolderListPage();

    // Where pages go; the page file by default.
    void SetPageWriter(PageWriter writer) { writer_ = std::move(writer); }

private:
    // The one place that decides which files of the folder are rows, which are left out without
    // a word, and which spoil the whole folder. Shown when there are rows to write, in `rows`.
    ListOutcome ReadRows(const std::string& folder, FolderProgress* progress, ListMessages messages,
                         std::vector<ListRow>& rows);
    // Nothing written; `message` says why, when messages are shown.
    ListOutcome Damaged(ListMessages messages, const AnsiText& message);

    ProgramState& state_;
    Shell& shell_;
    PageNavigator* pages_;
    LocaleServices& locale_;
    PageWriter writer_ = WritePageFile;
};

// The row of one report file; nothing when the file could not be read (or is gone), and
// FileTooLarge for a file too large to be a report.
std::optional<ListRow> ReadListRow(const std::string& path);
// What a report of the type concerns: its summary fields that are there, joined by " - ", UTF-8.
std::string ConcernsOf(const DocumentType* type, TpkXML& document);
// What follows the teacher's name for a document type; empty for a type outside the table.
std::string SummarySuffix(const std::string& documentType, TpkXML& document);
