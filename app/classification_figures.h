#pragma once
// The figures of the school's classification, gathered from the classes' "Klasyfikacja klasy"
// and "Klasyfikacja klasy z zachowania" reports: one row per class, fail grades by subject,
// distinctions by average, and what is missing or doubled. Texts are Windows-1250, unescaped.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "folder_reports.h"

// A count as the report wrote it; a value only when it is a whole number, not negative. Absent
// when no report gave it.
struct Figure {
    bool present = false;
    std::string written;
    std::optional<int64_t> value;

    bool Doubtful() const { return present && !value; }  // shown as written, left out of sums
};

struct ClassRow {
    std::string className;  // as the renderers show it: ASCII letters upper-cased
    std::string teacher;
    std::string classNameUtf8, teacherUtf8;  // for the spreadsheet, every character kept
    Figure classified, fullAttendance, distinctions, failGrades, exemplary, lowered;
};

struct Totals {
    int64_t classified = 0, fullAttendance = 0, distinctions = 0, failGrades = 0, exemplary = 0, lowered = 0;
};

struct RankedPupil {
    std::string pupil, className;
    Figure average;  // in hundredths
};

struct SubjectFailures {
    std::string subject;              // as first written
    std::vector<std::string> pupils;  // "name (class)", by class, then name
};

struct SchoolFigures {
    std::vector<ClassRow> classes;  // by class as a school orders them
    Totals totals;                  // of the rows' whole numbers
    std::vector<RankedPupil> ranked;               // highest average first; doubtful ones last
    std::vector<SubjectFailures> failuresBySubject;  // most pupils first
    std::vector<std::string> problems;               // lines on missing and doubled reports
    std::vector<LeftOutFile> leftOut;                // files whose figures could not be read
    bool Doubtful() const;                           // any count shown as written
};

// From the folder's classification reports; the other types are passed over. Of two reports of
// one type for one class the later `Date` is used (the later file name when dates tie).
SchoolFigures GatherFigures(FolderReports& reports);
