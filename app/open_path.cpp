#include "open_path.h"

#include <filesystem>

#include "exit_codes.h"

int PathOpened::ExitCode() const { return folder ? ExitCodeOf(list) : ExitCodeOf(report); }

PathOpened OpenReportOrFolder(ReportOpener& opener, FolderLister& lister, const std::string& path,
                              NamedBy namedBy, FolderProgress* progress, ListMessages messages) {
    std::error_code ignored;
    if (!path.empty() && std::filesystem::is_directory(path, ignored))
        return {true, ReportOutcome::Ignored, lister.ListReceivedReports(path, progress, messages)};
    PathOpened opened;
    opened.report = namedBy == NamedBy::Drop ? opener.DropFile(path) : opener.OpenChosenFile(path);
    return opened;
}
