#pragma once
// What a renderer reads: the report parsed once into a tree, its fields through the
// school-value readers, and its counts through a conversion that refuses the absurd.
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

#include "file_access.h"
#include "pkxml.h"

// How a report is rendered apart from its own content.
class RenderOptions {
public:
    // A fixed decimal separator, as Windows-1250 text.
    RenderOptions(std::string separator = ",")
        : separator_([separator = std::move(separator)] { return separator; }) {}
    // The user's separator, asked only when an average is shown: asking may mean loading the
    // locale services.
    explicit RenderOptions(std::function<std::string()> separator) : separator_(std::move(separator)) {}

    std::string DecimalSeparator() const { return separator_(); }

private:
    std::function<std::string()> separator_;
};

// Counts that no file of this size could hold: rendering them would only exhaust memory.
class DamagedReport : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class ReportFile {
public:
    // Parses the bytes of a report file; the parser's result is not consulted, as a damaged
    // file shows as missing fields.
    explicit ReportFile(std::string_view bytes);

    std::string Value(std::string_view name);
    std::string Value(std::string_view first, std::string_view second);
    std::string Value(std::string_view first, std::string_view second, std::string_view third);
    // The same as UTF-8, every character kept, for pages and sheets that can carry them all.
    std::string Utf8(std::initializer_list<std::string_view> path);

    // A count: ConversionError for anything but a whole number. Every count brings lines to
    // the page, so the counts of one report, summed, may not exceed the file's size in bytes:
    // the count that would go beyond raises DamagedReport. Counts of 0 and below pass freely
    // (they read no records). `weight`: what each counted record costs of that budget, for
    // records that write several lines, or long ones, on their own.
    int32_t Count(const std::string& text, int32_t weight = kShortLineWeight);

    // What a page line costs of the budget: a short one (up to 15 bytes, such as an empty text
    // line or list item) lives inside its string; a longer one, such as a labelled line, takes
    // an allocation of its own as well and costs twice as much memory.
    static constexpr int32_t kShortLineWeight = 1;
    static constexpr int32_t kLongLineWeight = 2;

    // The file's size in bytes.
    std::uintmax_t Size() const { return fileSize_; }
    // Nothing but blanks (or nothing at all) in the file.
    bool Blank() const { return blank_; }
    // Where the file breaks off, when it does.
    const std::optional<XmlBreak>& Break() const { return document_.Break; }

    TpkXML& document() { return document_; }

private:
    TpkXML document_;
    std::uintmax_t fileSize_ = 0;
    std::uintmax_t budget_ = 0;  // what the counts may still bring
    bool blank_ = true;
};

// Reports are kilobytes. A file beyond this is no report, and reading it whole would only
// exhaust memory.
inline constexpr std::uintmax_t kMaxReportFileSize = 16 * 1024 * 1024;

// Nothing has the name (or a link under it leads nowhere): a file moved away or mistyped, which
// the user is told apart from one that is there but cannot be read.
class NoSuchFile : public FileOpenError {
public:
    explicit NoSuchFile(const std::string& path) : FileOpenError(path + ": no such file") {}
};

// What a name that leads to no file reads as: an empty report, as nothing named yet reads, or
// NoSuchFile. A folder is never a report file: it reads as an empty report, of no known type.
enum class MissingFile { ReadsAsEmpty, Raises };

// Reads the file once, under the exclusive lock, and parses it. A file that exists but cannot
// be opened raises FileOpenError; one over kMaxReportFileSize raises FileTooLarge unread.
std::unique_ptr<ReportFile> ReadReportFile(const std::string& path, MissingFile missing = MissingFile::ReadsAsEmpty);

// Only a-z are upper-cased: class names such as "3a" become "3A", Polish letters stay.
std::string AsciiUpper(std::string_view text);

// True when a comma stands before the last character: a list of several pupils.
bool ContainsComma(std::string_view text);

// The numbered element names: stem followed by the number without leading zeros.
std::string Numbered(std::string_view stem, int32_t number);
