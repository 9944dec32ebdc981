#pragma once
// The exit codes of the command-line tools (ulnik-render, and ulnik's --pdf and --screenshot),
// and what each outcome of the pipeline and the school pages ends in.
#include "folder_list.h"
#include "open_path.h"
#include "report_opener.h"
#include "school_pages.h"

enum ExitCode { kDone = 0, kUsageError = 1, kWrongType = 2, kCannotOpen = 3, kDamaged = 4,
                kNoFiles = 5, kDamagedFolder = 6 };

inline int ExitCodeOf(ReportOutcome outcome) {
    switch (outcome) {
    case ReportOutcome::Shown: return kDone;
    case ReportOutcome::WrongType: return kWrongType;
    case ReportOutcome::Unreadable: return kCannotOpen;
    default: return kDamaged;
    }
}

inline int ExitCodeOf(ListOutcome outcome) {
    switch (outcome) {
    case ListOutcome::Shown: return kDone;
    case ListOutcome::NoFiles: return kNoFiles;
    case ListOutcome::Unreadable: return kCannotOpen;
    default: return kDamagedFolder;
    }
}

inline int ExitCodeOf(const PathOpened& opened) {
    return opened.folder ? ExitCodeOf(opened.list) : ExitCodeOf(opened.report);
}

// 0 when written whole; 6 when written with files left out; the list's codes otherwise.
inline int ExitCodeOf(const SchoolPageOutcome& built) {
    if (built.outcome == ListOutcome::Shown && !built.leftOut.empty()) return kDamagedFolder;
    return ExitCodeOf(built.outcome);
}
