#pragma once
// The three steps of a print after the printout is made: which pages of it are printed (the
// printer's page range), where they go (the file chosen in the printer dialog, or a CUPS job),
// and the one message each outcome is told with.
#include <string>

#include <QString>

#include "ansi_text.h"
#include "cups_submission.h"

class QPrinter;

enum class DeliveryKind {
    Done,            // handed to CUPS, or written to the file
    NoPagesInRange,  // the range chosen holds no page of the printout
    CannotWriteFile,
    Refused,         // CUPS refused or failed the job; its reason is kept
    PrinterSilent,   // CUPS gave no answer in time; the job was given up
};

struct Delivery {
    DeliveryKind kind = DeliveryKind::Done;
    std::string reason;  // CUPS's own words (UTF-8), for Refused
};

// The pages of the printout in the printer's range, numbered as in the whole printout; empty
// when none is left (or the printout cannot be read).
std::string PagesToPrint(const std::string& printout, const QPrinter& printer);
Delivery WriteToFile(const QString& path, const std::string& pages);
// The job the printer's settings ask for, under this title.
CupsJob JobFor(const QPrinter& printer, const QString& title);
Delivery DeliveryOf(const CupsOutcome& outcome);

// The short confirmation the window shows for pages gone to the printer, or written to a file.
QString SentNotice(int pages);
QString SavedNotice(const QString& path);

// The message for an outcome that went wrong; empty for Done.
AnsiText MessageFor(const Delivery& delivery);
