#pragma once
// Hands a printout to CUPS on a thread of its own: a scheduler that is slow or has hung must
// not freeze the window. The outcome comes back on the GUI thread, through the event loop.
#include <functional>
#include <string>

#include "cups_job.h"

class QObject;

// How long a job may take over all, by default.
inline constexpr int kCupsJobMs = 45000;
// How long quitting waits for the jobs still being sent.
inline constexpr int kCupsQuitWaitMs = 3000;

struct CupsOutcome {
    bool sent = false;
    bool timedOut = false;
    std::string error;  // CUPS's reason, UTF-8
};

// `done` is called once, from the event loop, unless `context` is gone by then. A job still
// unanswered after `limitMs` is given up (timedOut): its thread cancels it as soon as it
// learns so, even when the scheduler takes it after all. A job goes on when `context` is gone.
void SubmitToCups(CupsJob job, std::string pdf, int limitMs, QObject* context,
                  std::function<void(const CupsOutcome&)> done);

// Waits up to `ms` for the jobs still being sent; false when some are not done by then. Called
// when the application quits, so that a job asked for just before is not dropped.
bool WaitForCupsJobs(int ms);
