#pragma once
// The state the viewer keeps while it runs. Texts are Windows-1250, as in the pages; paths are
// the file system's own bytes.
#include <string>
#include <vector>

#include "html_page.h"

struct ProgramState {
    std::string CurrentReportPath;  // the report named last; retry opens it again
    std::string DocumentType;       // `Szkola`/`Doc` of the report identified last
    std::string CreationDate;       // `Szkola`/`Date` of the file identified last
    HtmlPage ThePage;               // every page is built here
    std::string PageFilePath;       // where every page is written and shown from
    std::string LastFolder;         // the folder listed last; the next folder dialog starts there
    std::vector<std::string> FolderSummary;  // one line per report of the folder listed last
    std::vector<std::string> FolderFiles;    // the report file of each of those lines, in their order
};
