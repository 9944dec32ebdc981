#include "open_path.h"

#include "file_names.h"

PathOpened OpenReportOrFolder(ReportOpener& opener, FolderLister& lister, const std::string& path,
                              NamedBy namedBy, FolderProgress* progress, ListMessages messages) {
    if (!path.empty() && IsFolder(path))
        return {true, ReportOutcome::Ignored, lister.ListReceivedReports(path, progress, messages)};
    PathOpened opened;
    opened.report = namedBy == NamedBy::Drop ? opener.DropFile(path) : opener.OpenChosenFile(path);
    return opened;
}
