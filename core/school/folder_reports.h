#pragma once
// The reports of a folder, for the pages that take a whole folder at a time: what each is, read
// once to order them; its tree is read again when its turn comes, so that a folder of large
// files never stands in memory all at once. A file that cannot be read, is too large, or is of
// no known type is left out and kept by name.
#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include "document_types.h"
#include "file_verdict.h"
#include "folder_list.h"
#include "report_file.h"

struct FolderReport {
    std::string file;  // as the folder search found it
    const DocumentType* type = nullptr;
    // Windows-1250, as the renderers read them.
    std::string className;  // `Klasa` upper-cased as the renderers show it, else `Klasy`
    std::string classUtf8;  // the same in UTF-8, every character kept: classes are told apart by it
    std::string teacher;    // `Belfer`
    std::string date;       // `Date`
};

struct FolderReports {
    std::size_t files = 0;  // report files found
    bool cancelled = false;
    std::vector<FolderReport> reports;  // in the folder search's order
    std::vector<LeftOutFile> leftOut;   // in the same order
};

FolderReports ReadFolderReports(const std::string& folder, FolderProgress* progress = nullptr);

// The report's tree, read and judged again: the file may have changed since. Its verdict is not
// sound when it is no longer sound or no longer of its type.
JudgedFile ReadAgain(const FolderReport& report);

// The order of a type's reports in the school's pages: class (as a school writes them: "2a"
// before "10a"), then teacher, then file.
bool InSchoolOrder(const FolderReport& a, const FolderReport& b);
