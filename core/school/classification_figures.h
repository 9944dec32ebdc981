#pragma once
// The figures of the school's classification, gathered from the classes' sound "Klasyfikacja
// klasy" and "Klasyfikacja klasy z zachowania" reports: one row per class, the sums, each share
// with the base it is taken of, fail grades by subject, distinctions by average, and what is
// missing, doubled or disagrees. Texts are UTF-8, every character kept; the pages convert them.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "folder_reports.h"

// A figure as the report wrote it, and what it reads as: a whole number of 0 or more in any form
// the renderers' count conversion takes. Absent when no report gave it.
struct Figure {
    bool present = false;
    std::string written;           // UTF-8
    std::optional<int64_t> value;  // what is added up

    // Written other than in plain decimal digits: shown with its reading, or alone, and marked.
    bool Doubtful() const;
};

struct ClassRow {
    std::string className;  // `Klasa` with ASCII letters upper-cased: classes are told apart by it
    std::string teacher;
    Figure classified, fullAttendance, distinctions, failGrades, exemplary, lowered;
    bool classification = false, behaviour = false;  // which sound reports the row stands on
    Figure behaviourClassified;                      // what the behaviour report says, when it does

    // In the base of the shares of each kind of report.
    bool InClassificationBase() const { return classification && classified.value.has_value(); }
    std::optional<int64_t> BehaviourBase() const;
};

// The pupils a kind of share is taken of, and the counts over the same classes.
struct ShareBase {
    int64_t pupils = 0;
    std::size_t classes = 0;
    std::vector<std::string> outside;  // classes that sent the report but stand outside the base
};

struct Totals {
    // Of every row's values, as the table's column adds up.
    int64_t classified = 0, fullAttendance = 0, distinctions = 0, failGrades = 0, exemplary = 0, lowered = 0;
    // The shares' numerators, each over the classes of its base.
    int64_t fullAttendanceInBase = 0, distinctionsInBase = 0, failGradesInBase = 0;
    int64_t exemplaryInBase = 0, loweredInBase = 0;
    ShareBase classificationBase, behaviourBase;
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
    Totals totals;
    std::vector<RankedPupil> ranked;                 // highest average first; doubtful ones last
    std::vector<SubjectFailures> failuresBySubject;  // most pupils first
    std::vector<std::string> problems;               // lines on missing, doubled and disagreeing reports
    std::vector<LeftOutFile> leftOut;                // files whose figures could not be read
    bool Doubtful() const;                           // any figure marked
};

// From the folder's sound classification reports; the other types are passed over. Of two
// reports of one type for one class the later `Date` is used (the later file name when dates tie).
SchoolFigures GatherFigures(FolderReports& reports);

// What a figure reads as, for the sheet as for the page: its value when it has one, else as written.
std::string FigureText(const Figure& figure);
