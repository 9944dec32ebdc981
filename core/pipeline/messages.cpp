#include "messages.h"

#include <filesystem>

#include "code_page.h"
#include "utf8.h"

namespace messages {

namespace {

constexpr std::size_t kDamagedFilesNamed = 3;

}  // namespace

bool IsControl(char16_t c) { return c < 0x20 || (c >= 0x7F && c <= 0x9F); }

std::string WrittenOut(char16_t control) {
    switch (control) {
    case u'\n': return "\\n";
    case u'\r': return "\\r";
    case u'\t': return "\\t";
    default: break;
    }
    static constexpr char kHex[] = "0123456789ABCDEF";
    return std::string("\\x") + kHex[(control >> 4) & 0xF] + kHex[control & 0xF];
}

std::string ShownText(std::u16string_view text) {
    std::string shown;
    shown.reserve(text.size());
    for (char16_t c : text)
        if (IsControl(c))
            shown += WrittenOut(c);
        else
            shown += WideCharToAnsi(c);
    return shown;
}

std::string FolderNotRead(const FolderProblem& problem, std::string_view folder) {
    const std::string name = ShownName(folder);
    switch (problem.kind) {
    case FolderProblemKind::Missing: return "Nie ma folderu:\r" + name;
    case FolderProblemKind::IsAFile: return "To jest plik, nie folder:\r" + name;
    case FolderProblemKind::Unlistable: break;
    }
    return std::string(Ansi<"Nie można odczytać folderu:\r">) + name + "\r" + ShownName(problem.reason);
}

std::string ShownName(std::string_view bytes) {
    return ShownText(IsStrictUtf8(bytes) ? Utf8ToWide(bytes) : AnsiToWide(bytes));
}

std::string ShownFileName(const std::string& path) {
    return ShownName(std::filesystem::path(path).filename().string());
}

std::string CannotWrite(const std::string& path, const std::string& reason) {
    return std::string(Ansi<"Nie można zapisać pliku ">) + ShownName(path) + ": " + ShownName(reason);
}

std::string DamagedFiles(const std::vector<std::string>& paths) { return FilesNamed("Uszkodzone pliki: ", paths); }

std::string LeftOutFiles(const std::vector<LeftOutFile>& files) {
    std::string lines(kLeftOutFiles);
    for (const LeftOutFile& file : files) lines += "\r" + ShownFileName(file.file) + ": " + file.verdict.Said();
    return lines;
}

std::string FilesNamed(std::string_view lead, const std::vector<std::string>& paths) {
    std::string line(lead);
    for (std::size_t i = 0; i < paths.size() && i < kDamagedFilesNamed; ++i)
        line += (i ? ", " : "") + ShownFileName(paths[i]);
    if (paths.size() > kDamagedFilesNamed)
        line += " i " + std::to_string(paths.size() - kDamagedFilesNamed) + " innych";
    return line;
}

std::string NamingTheFile(std::string_view message, const std::string& path) {
    return std::string(message) + "\rPlik: " + ShownFileName(path);
}

}  // namespace messages
