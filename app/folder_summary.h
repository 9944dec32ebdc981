#pragma once
// The list of received reports: one line per report file of a folder (who made it and what it
// is), sorted by teacher, grouped by initial, and stamped with the date and time of listing.
#include <cstddef>
#include <string>
#include <vector>

#include "locale_services.h"
#include "page_writer.h"
#include "program_state.h"
#include "shell.h"

class TpkXML;

// Told before each file is read; answering false cancels the listing.
class FolderProgress {
public:
    virtual ~FolderProgress() = default;
    virtual bool Advance(std::size_t done, std::size_t total) = 0;
};

enum class ListOutcome {
    Shown,      // the list page was written and shown
    NoFiles,    // no report files in the folder
    Damaged,    // an empty line or a failed write: nothing written, the view left alone
    Cancelled,  // stopped by the user: everything as it was
};

// Whether the listing's failures are told to the user. A listing the program starts by itself
// (the folder changed) keeps quiet and leaves the list shown as it was.
enum class ListMessages { Shown, Quiet };

class FolderLister {
public:
    FolderLister(ProgramState& state, Shell& shell, LocaleServices& locale);

    // Lists the chosen folder (the folder dialog's answer), with progress when given.
    ListOutcome ListReceivedReports(const std::string& folder, FolderProgress* progress = nullptr,
                                    ListMessages messages = ListMessages::Shown);
    // Fills ThePage with the list of FolderSummary and writes it to the page file.
    void BuildFolderListPage();

    // Where pages go; the page file by default.
    void SetPageWriter(PageWriter writer) { writer_ = std::move(writer); }

private:
    ListOutcome Damaged(ListMessages messages);

    ProgramState& state_;
    Shell& shell_;
    LocaleServices& locale_;
    PageWriter writer_ = WritePageFile;
};

// The teacher and type line of one report file; false when the file could not be read (or is
// gone), FileTooLarge for a file too large to be a report.
bool SummariseReportFile(const std::string& path, std::string& line, std::string& documentType);
// What follows the teacher's name for a document type; empty for a type outside the table.
std::string SummarySuffix(const std::string& documentType, TpkXML& document);
// The file of each sorted line: lines that compare equal keep the order of their files.
std::vector<std::string> FilesInLineOrder(const std::vector<std::string>& sortedLines,
                                          const std::vector<std::string>& lines,
                                          const std::vector<std::string>& files);
