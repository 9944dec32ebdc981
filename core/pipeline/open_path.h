#pragma once
// Opening what the user names, wherever it is named (the viewer's command line, dialogs and
// drops, `ulnik --pdf`): a folder is listed, anything else opened as a report.
#include <string>

#include "folder_list.h"
#include "report_opener.h"

enum class NamedBy {
    Choice,  // a dialog or the command line: taken as it is
    Drop,    // dropped on the window: only .xml files are opened
};

struct PathOpened {
    bool folder = false;
    ReportOutcome report = ReportOutcome::Ignored;  // when it was a report
    ListOutcome list = ListOutcome::NoFiles;         // when it was a folder

    bool Shown() const { return folder ? list == ListOutcome::Shown : report == ReportOutcome::Shown; }
};

PathOpened OpenReportOrFolder(ReportOpener& opener, FolderLister& lister, const std::string& path,
                              NamedBy namedBy = NamedBy::Choice, FolderProgress* progress = nullptr,
                              ListMessages messages = ListMessages::Shown);
