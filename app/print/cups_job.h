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

// The job's id; a refused or failed job raises std::runtime_error with CUPS's reason.
int SendPdfToCups(const CupsJob& job, const std::string& pdf);
