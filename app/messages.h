#pragma once
// The texts of every message the shell shows, in Windows-1250.
#include <cstdint>
#include <string>
#include <string_view>

namespace messages {

inline constexpr std::string_view kWrongDrop =
    "\rB\xB3\xEA" "dny typ pliku.\rWska\xBF plik sprawozdania.";
inline constexpr std::string_view kCannotOpen =
    "Wyst\xB9pi\xB3y problemy z otwarciem pliku.\rPlik jest uszkodzony.";
inline constexpr std::string_view kMissingFile =
    "Wyst\xB9pi\xB3y problemy z otwarciem pliku.\rPlik nie istnieje.";
inline constexpr std::string_view kWrongType =
    "Wyst\xB9pi\xB3y problemy z otwarciem pliku.\rB\xB3\xEA" "dny typ pliku.";
inline constexpr std::string_view kDamagedReport =
    "Wskazany plik jest uszkodzony lub nie jest plikiem sprawozdania.";
// The damaged-report message for a file refused for its size. Megabytes are rounded up, so
// that a file just over the limit does not seem to be at it.
inline std::string TooLargeReport(std::uintmax_t bytes) {
    constexpr std::uintmax_t kMegabyte = 1024 * 1024;
    const std::uintmax_t megabytes = (bytes + kMegabyte - 1) / kMegabyte;
    return std::string(kDamagedReport) + "\rplik jest za du\xBFy: " + std::to_string(megabytes) + " MB";
}
inline constexpr std::string_view kNoReportFiles =
    "Brak plik\xF3w z danymi we wskazanym folderze.\rProgram nie ma co przetwarza\xE6.";
inline constexpr std::string_view kDamagedFolder =
    "Co najmniej jeden z plik\xF3w we wskazanym folderze jest uszkodzony.\r"
    "Zbadaj pliki sprawozda\xF1 korzystaj\xB9" "c z modu\xB3u Ulnik.";

}  // namespace messages
