#pragma once
// What a report file of a folder is worth to the pages that gather a whole folder: one verdict
// per file, the same wherever it is asked (the summary, the combined report, print-all and the
// check page), said in plain Polish with what the user can do about it.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "ansi_text.h"
#include "document_types.h"
#include "report_file.h"

enum class Verdict {
    Sound,
    BreaksOff,           // the XML stops before its end: a file cut off, or damaged in the middle
    Foreign,             // no teacher, or no known report type
    Empty,               // nothing but blanks
    Unreadable,          // the system would not give its bytes (too large, locked, no access)
    CountNotNumber,      // a count that is no whole number, or is negative
    CountBeyondRecords,  // a count larger than the records the file holds
    TooLargeForPage,     // sound, but its page would not fit in a page of the whole folder
};

struct FileVerdict {
    Verdict verdict = Verdict::Sound;
    // Windows-1250: the system's reason (Unreadable), the count and what it says (counts).
    AnsiText detail;
    std::size_t line = 0, column = 0;  // BreaksOff

    bool Sound() const { return verdict == Verdict::Sound; }
    // The verdict in plain Polish, Windows-1250, as the check page and the left-out lines say it:
    // "plik urwany w wierszu 14, kolumnie 3".
    AnsiText Said() const;
    // What the user can do about it: "poproś nauczyciela o ponowne przesłanie".
    AnsiText Advice() const;
};

// A file left out of a folder's page, with why.
struct LeftOutFile {
    std::string file;  // as the folder search found it
    FileVerdict verdict;
};

// One file read and judged: its tree is kept when it could be read, for what follows to use
// without reading it again.
struct JudgedFile {
    FileVerdict verdict;
    std::unique_ptr<ReportFile> report;  // null when the file could not be read
    const DocumentType* type = nullptr;  // null when of no known type
};

// Reads the file once and judges it: a renderer of its type is run into a scratch page, so a
// file is sound exactly when its page can be made whole.
JudgedFile JudgeReportFile(const std::string& path);
// The same for a tree already read.
FileVerdict JudgeReport(ReportFile& report, const DocumentType* type);
