#pragma once
// The exit codes of the command-line tools, and what each outcome of the pipeline ends in.
#include "folder_summary.h"
#include "report_opener.h"

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
