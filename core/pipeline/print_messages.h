#pragma once
// The texts of the print, copy and help messages, in Windows-1250 like every message, written
// in UTF-8 and converted while compiling.
#include <string>
#include <string_view>
#include <vector>

#include "ansi_literal.h"
#include "ansi_text.h"
#include "file_verdict.h"
#include "messages.h"

namespace print_messages {

// Polish counts take one of three forms: 1 strona, 2-4 (22-24, ...) strony, 5-21 (25, ...) stron.
inline AnsiView PluralOf(int count, AnsiView one, AnsiView few, AnsiView many) {
    const int tens = count % 100, units = count % 10;
    if (count == 1) return one;
    return units >= 2 && units <= 4 && (tens < 12 || tens > 14) ? few : many;
}

inline constexpr AnsiView kNoPrinter =
    Ansi<"Brak drukarki w systemie.\rZainstaluj drukarkę, aby drukować.">;
inline constexpr AnsiView kPrintoutFailed =
    Ansi<"Nie udało się przygotować wydruku strony.">;
inline constexpr AnsiView kNoPagesInRange =
    Ansi<"Wybrany zakres nie obejmuje żadnej strony wydruku.">;
// Followed by the printing system's own reason.
inline constexpr AnsiView kPrintFailed = Ansi<"Drukowanie nie powiodło się.\r">;
// Follows kPrintFailed when CUPS gave no answer in time.
inline constexpr AnsiView kPrintingSystemSilent = Ansi<"System drukowania nie odpowiada.">;

// "Wydruk ma N stron. Drukować?", with the plural Polish wants for N.
inline AnsiText LongPrintoutQuestion(int pages) {
    return Ansi<"Wydruk ma "> + AnsiText::Number(pages) + Ansi<" "> +
           PluralOf(pages, Ansi<"strona">, Ansi<"strony">, Ansi<"stron">) + Ansi<". Drukować?">;
}

// The printer dialog's "Pages" field holds something other than pages of the printout.
inline AnsiText WrongPageList(int pages) {
    return Ansi<"Nieprawidłowy wybór stron.\rPodaj strony od 1 do "> + AnsiText::Number(pages) + Ansi<", np. 1-3, 5.">;
}

inline constexpr AnsiView kCannotWritePdf = Ansi<"Nie udało się zapisać pliku PDF.">;

// Why a sound report was left out of a printout: its page crashed, hung or was not made.
inline constexpr AnsiView kPageNotPrinted = Ansi<"nie dało się wydrukować jego strony">;

// The reports of a list that were not put into the printout of all of them (Windows-1250):
// under the message's line, each file on a line of its own with what is wrong with it.
inline AnsiText ReportsLeftOut(const std::vector<LeftOutFile>& files) {
    const int count = int(files.size());
    AnsiText text = count == 1 ? AnsiText(Ansi<"Pominięto sprawozdanie z pliku:">)
                               : Ansi<"Pominięto "> + AnsiText::Number(count) + Ansi<" "> +
                                     PluralOf(count, Ansi<"sprawozdanie">, Ansi<"sprawozdania">, Ansi<"sprawozdań">) +
                                     Ansi<" z plików:">;
    for (const LeftOutFile& file : files)
        text += Ansi<"\r"> + messages::ShownFileName(file.file) + Ansi<": "> +
                (file.verdict.Sound() ? AnsiText(kPageNotPrinted) : file.verdict.Said());
    return text;
}
inline constexpr AnsiView kNoReportPrinted = Ansi<"Żadne sprawozdanie z listy nie dało się wydrukować.">;
// The same, and why for each.
inline AnsiText NoReportPrinted(const std::vector<LeftOutFile>& files) {
    return kNoReportPrinted + (files.empty() ? AnsiText() : Ansi<"\r"> + ReportsLeftOut(files));
}

inline constexpr AnsiView kNoPageToCopy = Ansi<"Brak strony do skopiowania.">;
inline constexpr AnsiView kCopyNoFocus =
    Ansi<"Nie można zaznaczyć tekstu strony: widok nie przyjął fokusu.">;
inline constexpr AnsiView kCopyFailed =
    Ansi<"Nie udało się skopiować strony do schowka.">;

}  // namespace print_messages
