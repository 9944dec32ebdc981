#pragma once
// The texts of the print, copy and help messages, in Windows-1250 like every message, written
// in UTF-8 and converted while compiling.
#include <string>
#include <string_view>
#include <vector>

#include "ansi_literal.h"
#include "file_verdict.h"
#include "messages.h"

namespace print_messages {

// Polish counts take one of three forms: 1 strona, 2-4 (22-24, ...) strony, 5-21 (25, ...) stron.
inline std::string_view PluralOf(int count, std::string_view one, std::string_view few, std::string_view many) {
    const int tens = count % 100, units = count % 10;
    if (count == 1) return one;
    return units >= 2 && units <= 4 && (tens < 12 || tens > 14) ? few : many;
}

inline constexpr std::string_view kNoPrinter =
    Ansi<"Brak drukarki w systemie.\rZainstaluj drukarkę, aby drukować.">;
inline constexpr std::string_view kPrintoutFailed =
    Ansi<"Nie udało się przygotować wydruku strony.">;
inline constexpr std::string_view kNoPagesInRange =
    Ansi<"Wybrany zakres nie obejmuje żadnej strony wydruku.">;
// Followed by the printing system's own reason.
inline constexpr std::string_view kPrintFailed = Ansi<"Drukowanie nie powiodło się.\r">;
// Follows kPrintFailed when CUPS gave no answer in time.
inline constexpr std::string_view kPrintingSystemSilent = "System drukowania nie odpowiada.";

// "Wydruk ma N stron. Drukować?", with the plural Polish wants for N.
inline std::string LongPrintoutQuestion(int pages) {
    return "Wydruk ma " + std::to_string(pages) + " " + std::string(PluralOf(pages, "strona", "strony", "stron")) +
           std::string(Ansi<". Drukować?">);
}

// The printer dialog's "Pages" field holds something other than pages of the printout.
inline std::string WrongPageList(int pages) {
    return std::string(Ansi<"Nieprawidłowy wybór stron.\rPodaj strony od 1 do ">) + std::to_string(pages) +
           ", np. 1-3, 5.";
}

inline constexpr std::string_view kCannotWritePdf = Ansi<"Nie udało się zapisać pliku PDF.">;

// Why a sound report was left out of a printout: its page crashed, hung or was not made.
inline constexpr std::string_view kPageNotPrinted = Ansi<"nie dało się wydrukować jego strony">;

// The reports of a list that were not put into the printout of all of them (Windows-1250):
// under the message's line, each file on a line of its own with what is wrong with it.
inline std::string ReportsLeftOut(const std::vector<LeftOutFile>& files) {
    const int count = int(files.size());
    std::string text = count == 1 ? std::string(Ansi<"Pominięto sprawozdanie z pliku:">)
                                  : std::string(Ansi<"Pominięto ">) + std::to_string(count) + " " +
                                        std::string(PluralOf(count, "sprawozdanie", "sprawozdania",
                                                             Ansi<"sprawozdań">)) +
                                        std::string(Ansi<" z plików:">);
    for (const LeftOutFile& file : files)
        text += "\r" + messages::ShownFileName(file.file) + ": " +
                (file.verdict.Sound() ? std::string(kPageNotPrinted) : file.verdict.Said());
    return text;
}
inline constexpr std::string_view kNoReportPrinted = Ansi<"Żadne sprawozdanie z listy nie dało się wydrukować.">;
// The same, and why for each.
inline std::string NoReportPrinted(const std::vector<LeftOutFile>& files) {
    return std::string(kNoReportPrinted) + (files.empty() ? "" : "\r" + ReportsLeftOut(files));
}

inline constexpr std::string_view kNoPageToCopy = "Brak strony do skopiowania.";
inline constexpr std::string_view kCopyNoFocus =
    Ansi<"Nie można zaznaczyć tekstu strony: widok nie przyjął fokusu.">;
inline constexpr std::string_view kCopyFailed =
    Ansi<"Nie udało się skopiować strony do schowka.">;

}  // namespace print_messages
