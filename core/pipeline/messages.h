#pragma once
// The texts of every message the shell shows, in Windows-1250: written in UTF-8 and converted
// while compiling.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "ansi_literal.h"
#include "file_verdict.h"
#include "folder_problem.h"

namespace messages {

inline constexpr std::string_view kWrongDrop =
    Ansi<"\rBłędny typ pliku.\rWskaż plik sprawozdania.">;
inline constexpr std::string_view kCannotOpen =
    Ansi<"Wystąpiły problemy z otwarciem pliku.\rPlik jest uszkodzony.">;
inline constexpr std::string_view kMissingFile =
    Ansi<"Wystąpiły problemy z otwarciem pliku.\rPlik nie istnieje.">;
inline constexpr std::string_view kWrongType =
    Ansi<"Wystąpiły problemy z otwarciem pliku.\rBłędny typ pliku.">;
inline constexpr std::string_view kDamagedReport =
    "Wskazany plik jest uszkodzony lub nie jest plikiem sprawozdania.";
// The damaged-report message for a file refused for its size. Megabytes are rounded up, so
// that a file just over the limit does not seem to be at it.
inline std::string TooLargeReport(std::uintmax_t bytes) {
    constexpr std::uintmax_t kMegabyte = 1024 * 1024;
    const std::uintmax_t megabytes = (bytes + kMegabyte - 1) / kMegabyte;
    return std::string(kDamagedReport) + std::string(Ansi<"\rplik jest za duży: ">) + std::to_string(megabytes) +
           " MB";
}
inline constexpr std::string_view kNoReportFiles =
    Ansi<"Brak plików z danymi we wskazanym folderze.\rProgram nie ma co przetwarzać.">;
// A folder that cannot be gathered, named, with the system's reason where it gave one.
std::string FolderNotRead(const FolderProblem& problem, std::string_view folder);
inline constexpr std::string_view kDamagedFolder =
    Ansi<"Co najmniej jeden z plików we wskazanym folderze jest uszkodzony.\r"
           "Zbadaj pliki sprawozdań korzystając z modułu Ulnik.">;

// Names of files and the system's reasons, as a message shows them: Windows-1250, with every
// control character written out, so that no name breaks a message's lines or reaches a terminal
// as a command. Names are the file system's bytes: UTF-8 as a rule, Windows-1250 when unpacked
// so.
std::string ShownText(std::u16string_view text);
std::string ShownName(std::string_view bytes);
// The last part of a path alone.
std::string ShownFileName(const std::string& path);
// C0 and C1 control characters and DEL, and how one is written out: \n, \r, \t or \xNN.
bool IsControl(char16_t c);
std::string WrittenOut(char16_t control);

// An output (a page, a list, a spreadsheet) that could not be written, by the name it was to
// have, and the system's reason (UTF-8 or Windows-1250, as strerror gave it).
std::string CannotWrite(const std::string& path, const std::string& reason);

// Files left out of the school's pages of a folder, which name them all.
inline constexpr std::string_view kLeftOutFiles =
    Ansi<"Pominięte pliki (uszkodzone albo niebędące sprawozdaniami):">;

// A line naming files: `lead`, the first few, then how many more.
std::string FilesNamed(std::string_view lead, const std::vector<std::string>& paths);
// The line naming a folder's damaged files.
std::string DamagedFiles(const std::vector<std::string>& paths);
// The lines naming the files a school's page left out, each with why.
std::string LeftOutFiles(const std::vector<LeftOutFile>& files);

// A message about a file the user did not name himself (a line of the folder list): which it is.
std::string NamingTheFile(std::string_view message, const std::string& path);

}  // namespace messages
