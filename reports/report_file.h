#pragma once
// What a renderer reads: the report file parsed into a tree of its own, its fields through
// the school-value readers, and its counts through a conversion that refuses the absurd.
#include <cstdint>
#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>

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

// A count that no file of this size could hold: rendering it would only exhaust memory.
class DamagedReport : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class ReportFile {
public:
    // Loads the file; the parser's result is not consulted, as a damaged file shows as
    // missing fields. A file that exists but cannot be opened raises FileOpenError.
    explicit ReportFile(const std::string& path);

    std::string Value(std::string_view name);
    std::string Value(std::string_view first, std::string_view second);
    std::string Value(std::string_view first, std::string_view second, std::string_view third);

    // A count: ConversionError for anything but a whole number, DamagedReport for a number
    // larger than the file's size in bytes. Negative counts pass (they read no records).
    int32_t Count(const std::string& text) const;

    // The file's size in bytes, the bound for counts that add up across several records.
    std::uintmax_t Size() const { return fileSize_; }

    TpkXML& document() { return document_; }

private:
    TpkXML document_;
    std::uintmax_t fileSize_ = 0;
};

// Each record's line count passes Count on its own, yet thousands of records could still
// together ask for billions of lines. A file whose records want more lines than it has bytes
// is as damaged as one whose single count does: Spend raises DamagedReport then.
class LineBudget {
public:
    explicit LineBudget(const ReportFile& report) : left_(report.Size()) {}
    void Spend(int32_t lines) {
        if (lines <= 0) return;
        if (static_cast<std::uintmax_t>(lines) > left_)
            throw DamagedReport("the records ask for more lines than the report file holds");
        left_ -= static_cast<std::uintmax_t>(lines);
    }

private:
    std::uintmax_t left_;
};

// Only a-z are upper-cased: class names such as "3a" become "3A", Polish letters stay.
std::string AsciiUpper(std::string_view text);

// True when a comma stands before the last character: a list of several pupils.
bool ContainsComma(std::string_view text);

// The numbered element names: stem followed by the number without leading zeros.
std::string Numbered(std::string_view stem, int32_t number);
