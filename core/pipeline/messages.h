#pragma once
// The texts of every message the shell shows, in Windows-1250: written in UTF-8 and converted
// while compiling, or made of such texts and names converted here.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "ansi_literal.h"
#include "ansi_text.h"
#include "file_verdict.h"
#include "folder_problem.h"

namespace messages {

inline constexpr AnsiView kWrongDrop =
    Ansi<"\rBłędny typ pliku.\rWskaż plik sprawozdania.">;
inline constexpr AnsiView kCannotOpen =
    Ansi<"Wystąpiły problemy z otwarciem pliku.\rPlik jest uszkodzony.">;
inline constexpr AnsiView kMissingFile =
    Ansi<"Wystąpiły problemy z otwarciem pliku.\rPlik nie istnieje.">;
inline constexpr AnsiView kWrongType =
    Ansi<"Wystąpiły problemy z otwarciem pliku.\rBłędny typ pliku.">;
inline constexpr AnsiView kDamagedReport =
    Ansi<"Wskazany plik jest uszkodzony lub nie jest plikiem sprawozdania.">;
// The damaged-report message for a file refused for its size. Megabytes are rounded up, so
// that a file just over the limit does not seem to be at it.
inline AnsiText TooLargeReport(std::uintmax_t bytes) {
    constexpr std::uintmax_t kMegabyte = 1024 * 1024;
    const std::uintmax_t megabytes = (bytes + kMegabyte - 1) / kMegabyte;
    return kDamagedReport + Ansi<"\rplik jest za duży: "> + AnsiText::Number((long long)megabytes) + Ansi<" MB">;
}
inline constexpr AnsiView kNoReportFiles =
    Ansi<"Brak plików z danymi we wskazanym folderze.\rProgram nie ma co przetwarzać.">;
// A folder that cannot be gathered, named, with the system's reason where it gave one.
AnsiText FolderNotRead(const FolderProblem& problem, std::string_view folder);
inline constexpr AnsiView kDamagedFolder =
    Ansi<"Co najmniej jeden z plików we wskazanym folderze jest uszkodzony.\r"
           "Zbadaj pliki sprawozdań korzystając z modułu Ulnik.">;

// Names of files and the system's reasons, as a message shows them: Windows-1250, with every
// control character written out, so that no name breaks a message's lines or reaches a terminal
// as a command. Names are the file system's bytes: UTF-8 as a rule, Windows-1250 when unpacked
// so.
AnsiText ShownText(std::u16string_view text);
AnsiText ShownName(std::string_view bytes);
// The last part of a path alone.
AnsiText ShownFileName(const std::string& path);
// C0 and C1 control characters and DEL, and how one is written out: \n, \r, \t or \xNN.
bool IsControl(char16_t c);
std::string WrittenOut(char16_t control);

// An output (a page, a list, a spreadsheet) that could not be written, by the name it was to
// have, and the system's reason (UTF-8 or Windows-1250, as strerror gave it).
AnsiText CannotWrite(const std::string& path, const std::string& reason);

// Files left out of the school's pages of a folder, which name them all.
inline constexpr AnsiView kLeftOutFiles =
    Ansi<"Pominięte pliki (uszkodzone albo niebędące sprawozdaniami):">;

// A line naming files: `lead`, the first few, then how many more.
AnsiText FilesNamed(AnsiView lead, const std::vector<std::string>& paths);
// The line naming a folder's damaged files.
AnsiText DamagedFiles(const std::vector<std::string>& paths);
// The lines naming the files a school's page left out, each with why.
AnsiText LeftOutFiles(const std::vector<LeftOutFile>& files);

// A message about a file the user did not name himself (a line of the folder list): which it is.
AnsiText NamingTheFile(const AnsiText& message, const std::string& path);

}  // namespace messages
