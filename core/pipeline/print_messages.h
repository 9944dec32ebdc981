#pragma once
// The texts of the print, copy and help messages, in Windows-1250 like every message.
#include <string>
#include <string_view>
#include <vector>

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
    "Brak drukarki w systemie.\rZainstaluj drukark\xEA, aby drukowa\xE6.";
inline constexpr std::string_view kPrintoutFailed =
    "Nie uda\xB3o si\xEA przygotowa\xE6 wydruku strony.";
inline constexpr std::string_view kNoPagesInRange =
    "Wybrany zakres nie obejmuje \xBF" "adnej strony wydruku.";
// Followed by the printing system's own reason.
inline constexpr std::string_view kPrintFailed = "Drukowanie nie powiod\xB3o si\xEA.\r";
// Follows kPrintFailed when CUPS gave no answer in time.
inline constexpr std::string_view kPrintingSystemSilent = "System drukowania nie odpowiada.";

// "Wydruk ma N stron. Drukowa\xE6?", with the plural Polish wants for N.
inline std::string LongPrintoutQuestion(int pages) {
    return "Wydruk ma " + std::to_string(pages) + " " + std::string(PluralOf(pages, "strona", "strony", "stron")) +
           ". Drukowa\xE6?";
}

// The printer dialog's "Pages" field holds something other than pages of the printout.
inline std::string WrongPageList(int pages) {
    return "Nieprawid\xB3owy wyb\xF3r stron.\rPodaj strony od 1 do " + std::to_string(pages) +
           ", np. 1-3, 5.";
}

inline constexpr std::string_view kCannotWritePdf = "Nie uda\xB3o si\xEA zapisa\xE6 pliku PDF.";

// Why a sound report was left out of a printout: its page crashed, hung or was not made.
inline constexpr std::string_view kPageNotPrinted = "nie da\xB3o si\xEA wydrukowa\xE6 jego strony";

// The reports of a list that were not put into the printout of all of them (Windows-1250):
// under the message's line, each file on a line of its own with what is wrong with it.
inline std::string ReportsLeftOut(const std::vector<LeftOutFile>& files) {
    const int count = int(files.size());
    std::string text = count == 1 ? std::string("Pomini\xEAto sprawozdanie z pliku:")
                                  : "Pomini\xEAto " + std::to_string(count) + " " +
                                        std::string(PluralOf(count, "sprawozdanie", "sprawozdania", "sprawozda\xF1")) +
                                        " z plik\xF3w:";
    for (const LeftOutFile& file : files)
        text += "\r" + messages::ShownFileName(file.file) + ": " +
                (file.verdict.Sound() ? std::string(kPageNotPrinted) : file.verdict.Said());
    return text;
}
inline constexpr std::string_view kNoReportPrinted = "\xAF" "adne sprawozdanie z listy nie da\xB3o si\xEA wydrukowa\xE6.";
// The same, and why for each.
inline std::string NoReportPrinted(const std::vector<LeftOutFile>& files) {
    return std::string(kNoReportPrinted) + (files.empty() ? "" : "\r" + ReportsLeftOut(files));
}

inline constexpr std::string_view kNoPageToCopy = "Brak strony do skopiowania.";
inline constexpr std::string_view kCopyNoFocus =
    "Nie mo\xBFna zaznaczy\xE6 tekstu strony: widok nie przyj\xB9\xB3 fokusu.";
inline constexpr std::string_view kCopyFailed =
    "Nie uda\xB3o si\xEA skopiowa\xE6 strony do schowka.";

}  // namespace print_messages
