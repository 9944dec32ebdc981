#pragma once
// The texts of the viewer's own messages, in Windows-1250 like every message, written in UTF-8
// and converted while compiling.
#include "ansi_literal.h"

namespace viewer_messages {

inline constexpr AnsiView kPageCrashed =
    Ansi<"Nie udało się wyświetlić strony: jej wyświetlanie przerwało się dwa razy.\r"
           "Plik może być uszkodzony.">;
inline constexpr AnsiView kPageTimedOut =
    Ansi<"Nie udało się wyświetlić strony w ciągu 10 sekund.\rPlik może być uszkodzony.">;
// The window's picture (ulnik --screenshot) could not be taken of the page.
inline constexpr AnsiView kPictureFailed = Ansi<"Nie udało się przygotować obrazu okna ze stroną.">;
// Follows the message of a folder that cannot be listed, whose dialog then asks Tak/Nie/Anuluj.
inline constexpr AnsiView kOfferFileCheck = Ansi<"\r\rPokazać sprawdzenie plików tego folderu?">;

}  // namespace viewer_messages
