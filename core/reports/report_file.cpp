#include "report_file.h"
#include "file_names.h"

#include <filesystem>

#include "count_conversion.h"
#include "file_access.h"
#include "school_value.h"
#include "utf8.h"

ReportFile::ReportFile(std::string_view bytes)
    : fileSize_(bytes.size()), budget_(bytes.size()),
      blank_(bytes.find_first_not_of(" \t\r\n") == std::string_view::npos) {
    document_.LoadFromMemory(bytes);
}

namespace {

bool NothingNamed(const std::string& path) {
    std::error_code error;
    return std::filesystem::status(FsPath(path), error).type() == std::filesystem::file_type::not_found;
}

}  // namespace

std::unique_ptr<ReportFile> ReadReportFile(const std::string& path, MissingFile missing) {
    std::error_code error;
    const bool folder = std::filesystem::is_directory(FsPath(path), error);
    if (folder || (missing == MissingFile::ReadsAsEmpty && !FileExists(path)))
        return std::make_unique<ReportFile>(std::string_view());
    try {
        return std::make_unique<ReportFile>(ReadFileExclusive(path, kMaxReportFileSize));
    } catch (const FileOpenError&) {
        // Asked only now, so that a file removed between a look and the read is told as gone.
        if (NothingNamed(path)) throw NoSuchFile(path);
        throw;
    }
}

std::string ReportFile::Value(std::string_view name) { return SchoolValue(name, document_); }

std::string ReportFile::Value(std::string_view first, std::string_view second) {
    return SchoolValue2(first, second, document_);
}

std::string ReportFile::Value(std::string_view first, std::string_view second, std::string_view third) {
    return SchoolValue3(first, second, third, document_);
}

std::string ReportFile::Utf8(std::initializer_list<std::string_view> path) {
    return WideToUtf8(SchoolText(path, document_));
}

int32_t ReportFile::Count(const std::string& text, int32_t weight) {
    const int32_t count = StrToInt(text);
    if (count <= 0) return count;
    const std::uintmax_t cost = static_cast<std::uintmax_t>(count) * static_cast<std::uintmax_t>(weight);
    if (cost > budget_) throw DamagedReport("count " + text + " takes the report's counts beyond the size of its file");
    budget_ -= cost;
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
