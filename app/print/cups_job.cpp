#include "cups_job.h"

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

[[noreturn]] void Fail() {
    throw std::runtime_error(cupsLastErrorString() ? cupsLastErrorString() : "CUPS error");
}

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

}  // namespace

int SendPdfToCups(const CupsJob& job, const std::string& pdf, int timeoutSeconds) {
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
    if (cupsStartDocument(http, name.c_str(), id, job.title.c_str(), CUPS_FORMAT_PDF,
                          1) != HTTP_STATUS_CONTINUE)
        Fail();
    const http_status_t written = cupsWriteRequestData(http, pdf.data(), pdf.size());
    const ipp_status_t finished = cupsFinishDocument(http, name.c_str());
    if (written != HTTP_STATUS_CONTINUE || finished > IPP_STATUS_OK_EVENTS_COMPLETE) {
        cupsCancelJob2(http, name.c_str(), id, 0);
        Fail();
    }
    return id;
}
