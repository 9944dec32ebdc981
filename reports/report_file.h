#pragma once
// What a renderer reads: the report file parsed into a tree of its own, its fields through
// the school-value readers, and its counts through a conversion that refuses the absurd.
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

#include "pkxml.h"

// How a report is rendered apart from its own content.
struct RenderOptions {
    // The user's decimal separator, as Windows-1250 text (a comma under a Polish locale).
    std::string decimalSeparator = ",";
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

    TpkXML& document() { return document_; }

private:
    TpkXML document_;
    std::uintmax_t fileSize_ = 0;
};

// Only a-z are upper-cased: class names such as "3a" become "3A", Polish letters stay.
std::string AsciiUpper(std::string_view text);

// True when a comma stands before the last character: a list of several pupils.
bool ContainsComma(std::string_view text);

// The numbered element names: stem followed by the number without leading zeros.
std::string Numbered(std::string_view stem, int32_t number);
