#include "report_file.h"

#include <filesystem>

#include "count_conversion.h"
#include "school_value.h"

ReportFile::ReportFile(const std::string& path) {
    document_.LoadFromFile(path);
    std::error_code error;
    const auto size = std::filesystem::file_size(path, error);
    fileSize_ = error ? 0 : size;
}

std::string ReportFile::Value(std::string_view name) { return SchoolValue(name, document_); }

std::string ReportFile::Value(std::string_view first, std::string_view second) {
    return SchoolValue2(first, second, document_);
}

std::string ReportFile::Value(std::string_view first, std::string_view second, std::string_view third) {
    return SchoolValue3(first, second, third, document_);
}

int32_t ReportFile::Count(const std::string& text) const {
    const int32_t count = StrToInt(text);
    if (count > 0 && static_cast<std::uintmax_t>(count) > fileSize_)
        throw DamagedReport("count " + text + " exceeds the size of the report file");
    return count;
}

std::string AsciiUpper(std::string_view text) {
    std::string upper(text);
    for (char& c : upper)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return upper;
}

bool ContainsComma(std::string_view text) {
    return text.size() > 1 && text.substr(0, text.size() - 1).find(',') != std::string_view::npos;
}

std::string Numbered(std::string_view stem, int32_t number) {
    return std::string(stem) + std::to_string(number);
}
