#pragma once
// Hands a finished PDF to CUPS as one job, so that the printer gets the vector pages.
#include <atomic>
#include <string>

struct CupsJob {
    std::string printer;  // a CUPS destination, "name" or "name/instance"
    std::string title;
    int copies = 1;
    bool collate = true;
    std::string sides;  // an IPP "sides" value, empty for the printer's default
};

// Shared by whoever waits for a job and the thread that sends it. A job given up must not print
// after all: the user has been told it failed, and may print again.
class CupsJobControl {
public:
    // True when the job is given up, now or before; false when it has been sent already.
    bool GiveUp() {
        int state = kSending;
        return state_.compare_exchange_strong(state, kGivenUp) || state == kGivenUp;
    }
    bool GivenUp() const { return state_.load() == kGivenUp; }
    // True when the job is sent for good; false when it had been given up first.
    bool MarkSent() {
        int state = kSending;
        return state_.compare_exchange_strong(state, kSent);
    }

private:
    enum : int { kSending, kSent, kGivenUp };
    std::atomic<int> state_{kSending};
};

// The job's id; a refused or failed job raises std::runtime_error with CUPS's reason. Waits at
// most `timeoutSeconds` for each answer of the scheduler. Safe to call from any thread: it
// talks to CUPS over a connection of its own. A job that fails once created is cancelled, and
// so is a job given up through `control` before it was sent: then the id is 0.
int SendPdfToCups(const CupsJob& job, const std::string& pdf, int timeoutSeconds,
                  CupsJobControl* control = nullptr);
