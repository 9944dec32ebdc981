#pragma once
// Where a finished page goes. By default the page file is replaced whole; the command-line tool
// sends pages to standard output instead, and hears of a failed write with its reason.
#include <functional>
#include <optional>
#include <string>
#include <string_view>

using PageWriter = std::function<void(const std::string& path, std::string_view bytes)>;

// Replaces the page file at `path` with the bytes (WriteFileReplacing), readable by its owner
// alone.
void WritePageFile(const std::string& path, std::string_view bytes);

// Replaces a file the user named, and keeps why a write failed ("path: reason"): the pipeline
// tells the user, and its caller learns that the output, not the report, failed.
class FileOutput {
public:
    PageWriter AsPageWriter();
    const std::optional<std::string>& Failure() const { return failure_; }

private:
    std::optional<std::string> failure_;
};
