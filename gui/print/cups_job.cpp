#include "cups_job.h"

#include <algorithm>
#include <stdexcept>

#include <cups/cups.h>

namespace {

// The destination's own saved options (lpoptions) first, then the job's choices over them.
class JobOptions {
public:
    explicit JobOptions(const cups_dest_t* destination) {
        if (destination)
            for (int i = 0; i < destination->num_options; ++i)
                Set(destination->options[i].name, destination->options[i].value);
    }
    ~JobOptions() { cupsFreeOptions(count_, options_); }
    JobOptions(const JobOptions&) = delete;
    JobOptions& operator=(const JobOptions&) = delete;

    void Set(const std::string& name, const std::string& value) {
        count_ = cupsAddOption(name.c_str(), value.c_str(), count_, &options_);
    }
    int count() const { return count_; }
    cups_option_t* options() const { return options_; }

private:
    int count_ = 0;
    cups_option_t* options_ = nullptr;
};

std::string LastError() { return cupsLastErrorString() ? cupsLastErrorString() : "CUPS error"; }

[[noreturn]] void Fail() { throw std::runtime_error(LastError()); }

// A connection of the job's own, so that a scheduler that stops answering ends the job instead
// of holding the thread for good.
class Connection {
public:
    explicit Connection(int timeoutSeconds)
        : http_(httpConnect2(cupsServer(), ippPort(), nullptr, AF_UNSPEC, cupsEncryption(), 1,
                             timeoutSeconds * 1000, nullptr)) {
        if (!http_) Fail();
        httpSetTimeout(http_, timeoutSeconds, nullptr, nullptr);
    }
    ~Connection() { httpClose(http_); }
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;
    http_t* get() const { return http_; }

private:
    http_t* http_;
};

// Over a connection of its own: the job's connection may be stuck in the middle of a request.
// A scheduler out of reach leaves nothing more to do.
void Cancel(const std::string& printer, int id, int timeoutSeconds) {
    try {
        const Connection connection(timeoutSeconds);
        cupsCancelJob2(connection.get(), printer.c_str(), id, 0);
    } catch (const std::exception&) {
    }
}

// The document goes in pieces, so that a job given up stops soon.
constexpr std::size_t kPieceBytes = 64 * 1024;

}  // namespace

int SendPdfToCups(const CupsJob& job, const std::string& pdf, int timeoutSeconds, CupsJobControl* control) {
    const auto givenUp = [control] { return control && control->GivenUp(); };
    if (givenUp()) return 0;
    const Connection connection(timeoutSeconds);
    http_t* const http = connection.get();
    const std::size_t slash = job.printer.find('/');
    const std::string name = job.printer.substr(0, slash);
    const std::string instance = slash == std::string::npos ? "" : job.printer.substr(slash + 1);
    cups_dest_t* destination = cupsGetNamedDest(http, name.c_str(),
                                                instance.empty() ? nullptr : instance.c_str());
    JobOptions options(destination);
    cupsFreeDests(destination ? 1 : 0, destination);
    options.Set("copies", std::to_string(job.copies));
    if (job.copies > 1)
        options.Set("multiple-document-handling", job.collate
                                                      ? "separate-documents-collated-copies"
                                                      : "separate-documents-uncollated-copies");
    if (!job.sides.empty()) options.Set("sides", job.sides);

    const int id = cupsCreateJob(http, name.c_str(), job.title.c_str(), options.count(),
                                 options.options());
    if (id == 0) Fail();
    // From here on a job that goes no further is cancelled: without its document it would
    // wait in the queue, and one given up could print after all.
    const auto cancelled = [&] {
        Cancel(name, id, timeoutSeconds);
        return 0;
    };
    const auto failed = [&] {
        const std::string reason = LastError();  // before the cancel's own answer replaces it
        Cancel(name, id, timeoutSeconds);
        throw std::runtime_error(reason);
    };
    if (givenUp()) return cancelled();
    if (cupsStartDocument(http, name.c_str(), id, job.title.c_str(), CUPS_FORMAT_PDF, 1) !=
        HTTP_STATUS_CONTINUE)
        failed();
    http_status_t written = HTTP_STATUS_CONTINUE;
    for (std::size_t at = 0; at < pdf.size() && written == HTTP_STATUS_CONTINUE; at += kPieceBytes) {
        if (givenUp()) return cancelled();
        written = cupsWriteRequestData(http, pdf.data() + at, std::min(kPieceBytes, pdf.size() - at));
    }
    const ipp_status_t finished = cupsFinishDocument(http, name.c_str());
    if (written != HTTP_STATUS_CONTINUE || finished > IPP_STATUS_OK_EVENTS_COMPLETE) failed();
    if (control && !control->MarkSent()) return cancelled();
    return id;
}
