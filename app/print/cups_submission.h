#pragma once
// Hands a printout to CUPS on a thread of its own: a scheduler that is slow or has hung must
// not freeze the window. The outcome comes back on the GUI thread, through the event loop.
#include <functional>
#include <string>

#include "cups_job.h"

class QObject;

// How long a job may take over all, by default.
inline constexpr int kCupsJobMs = 45000;

struct CupsOutcome {
    bool sent = false;
    bool timedOut = false;
    std::string error;  // CUPS's reason, UTF-8
};

// `done` is called once, from the event loop, unless `context` is gone by then. A job still
// unanswered after `limitMs` is given up (timedOut); its thread ends on its own soon after.
void SubmitToCups(CupsJob job, std::string pdf, int limitMs, QObject* context,
                  std::function<void(const CupsOutcome&)> done);
