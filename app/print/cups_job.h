#pragma once
// Hands a finished PDF to CUPS as one job, so that the printer gets the vector pages.
#include <string>

struct CupsJob {
    std::string printer;  // a CUPS destination, "name" or "name/instance"
    std::string title;
    int copies = 1;
    bool collate = true;
    std::string sides;  // an IPP "sides" value, empty for the printer's default
};

// The job's id; a refused or failed job raises std::runtime_error with CUPS's reason. Waits at
// most `timeoutSeconds` for each answer of the scheduler. Safe to call from any thread: it
// talks to CUPS over a connection of its own.
int SendPdfToCups(const CupsJob& job, const std::string& pdf, int timeoutSeconds);
