#pragma once
// The list of received reports as a spreadsheet: a header row, then one row per report (file,
// teacher, type, what it concerns, date) in the list's order. UTF-8 with a byte-order mark and
// ";" between fields, as a Polish spreadsheet program opens it in columns; quoted as RFC 4180
// says, with CR LF line ends; no cell reads as a formula. Its rows are the list's own
// (FolderLister::ListRows).
#include <string>
#include <string_view>
#include <vector>

#include "folder_list.h"

// The whole file, for rows in the list's order.
std::string Spreadsheet(const std::vector<ListRow>& rows);

// A field quoted when it holds ";", ",", a tab, '"', CR or LF, with each '"' doubled: a Polish
// office program's import dialog takes the comma and the tab for separators beside ";".
std::string CsvField(std::string_view utf8);

// A field as CsvField writes it; one that a spreadsheet program would take for a formula (it
// begins with = + - or @, or a tab or CR) is made text with a leading apostrophe.
std::string SpreadsheetCell(std::string_view utf8);

// A file's name in a cell. Names are the file system's bytes: UTF-8 as a rule, Windows-1250 when
// unpacked so.
std::string FileNameCell(const std::string& path);

// One row of cells, ";" between them, ended by CR LF.
std::string SpreadsheetLine(const std::vector<std::string>& cells);
