#pragma once
// The check of a folder's files that the list's failure message asks for: every report file with
// its teacher, type and what it concerns where they can be read, its verdict in plain Polish and
// what to do about it. Files to see to come first, sound ones last.
#include <cstddef>
#include <string>
#include <vector>

#include "file_verdict.h"
#include "folder_list.h"
#include "html_page.h"

struct CheckedFile {
    std::string file;  // as the folder search found it
    FileVerdict verdict;
    std::string teacher, type, concerns;  // UTF-8, empty where they cannot be read
};

struct FolderCheck {
    std::size_t files = 0;
    bool cancelled = false;
    std::vector<CheckedFile> checked;  // files to see to first, each part by file name

    std::vector<LeftOutFile> NotSound() const;
};

FolderCheck CheckFolder(const std::string& folder, FolderProgress* progress = nullptr);

// The page's sections (no page head or foot).
void WriteFolderCheck(const FolderCheck& check, HtmlPage& page);
// The same table as a spreadsheet, in the list's form.
std::string FolderCheckSpreadsheet(const FolderCheck& check);
