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

AnsiText ShownText(std::u16string_view text) {
    std::string shown;
    shown.reserve(text.size());
    for (char16_t c : text)
        if (IsControl(c))
            shown += WrittenOut(c);
        else
            shown += WideCharToAnsi(c);
    return AnsiText::OfBytes(std::move(shown));
}

AnsiText FolderNotRead(const FolderProblem& problem, std::string_view folder) {
    const AnsiText name = ShownName(folder);
    switch (problem.kind) {
    case FolderProblemKind::Missing: return Ansi<"Nie ma folderu:\r"> + name;
    case FolderProblemKind::IsAFile: return Ansi<"To jest plik, nie folder:\r"> + name;
    case FolderProblemKind::Unlistable: break;
    }
    return Ansi<"Nie można odczytać folderu:\r"> + name + Ansi<"\r"> + ShownName(problem.reason);
}

AnsiText ShownName(std::string_view bytes) {
    return ShownText(IsStrictUtf8(bytes) ? Utf8ToWide(bytes) : AnsiToWide(bytes));
}

AnsiText ShownFileName(const std::string& path) {
    return ShownName(std::filesystem::path(path).filename().string());
}

AnsiText CannotWrite(const std::string& path, const std::string& reason) {
    return Ansi<"Nie można zapisać pliku "> + ShownName(path) + Ansi<": "> + ShownName(reason);
}

AnsiText DamagedFiles(const std::vector<std::string>& paths) { return FilesNamed(Ansi<"Uszkodzone pliki: ">, paths); }

AnsiText LeftOutFiles(const std::vector<LeftOutFile>& files) {
    AnsiText lines = kLeftOutFiles;
    for (const LeftOutFile& file : files) lines += Ansi<"\r"> + ShownFileName(file.file) + Ansi<": "> + file.verdict.Said();
    return lines;
}

AnsiText FilesNamed(AnsiView lead, const std::vector<std::string>& paths) {
    AnsiText line = lead;
    for (std::size_t i = 0; i < paths.size() && i < kDamagedFilesNamed; ++i)
        line += (i ? Ansi<", "> : Ansi<"">) + ShownFileName(paths[i]);
    if (paths.size() > kDamagedFilesNamed)
        line += Ansi<" i "> + AnsiText::Number((long long)(paths.size() - kDamagedFilesNamed)) + Ansi<" innych">;
    return line;
}

AnsiText NamingTheFile(const AnsiText& message, const std::string& path) {
    return message + Ansi<"\rPlik: "> + ShownFileName(path);
}

}  // namespace messages
