#pragma once
// The list of received reports as a spreadsheet: a header row, then one row per report (file,
// teacher, type, what it concerns, date) in the list's order. UTF-8 with a byte-order mark and
// ";" between fields, as a Polish spreadsheet program opens it in columns; quoted as RFC 4180
// says, with CR LF line ends. The files and refusals are the list's own.
#include <string>
#include <string_view>

#include "folder_summary.h"
#include "locale_services.h"
#include "page_writer.h"
#include "shell.h"

class SpreadsheetLister {
public:
    SpreadsheetLister(Shell& shell, LocaleServices& locale);

    // Writes the folder's spreadsheet through the writer, with `path` as its destination.
    ListOutcome List(const std::string& folder, const std::string& path);

    void SetWriter(PageWriter writer) { writer_ = std::move(writer); }

private:
    Shell& shell_;
    LocaleServices& locale_;
    PageWriter writer_ = WritePageFile;
};

// A field quoted when it holds ";", '"', CR or LF, with each '"' doubled.
std::string CsvField(std::string_view utf8);
