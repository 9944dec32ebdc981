#pragma once
// The texts of the viewer's own messages, in Windows-1250 like every message.
#include <string_view>

namespace viewer_messages {

inline constexpr std::string_view kPageCrashed =
    "Nie uda\xB3o si\xEA wy\x9Cwietli\xE6 strony: jej wy\x9Cwietlanie przerwa\xB3o si\xEA dwa razy.\r"
    "Plik mo\xBF" "e by\xE6 uszkodzony.";
inline constexpr std::string_view kPageTimedOut =
    "Nie uda\xB3o si\xEA wy\x9Cwietli\xE6 strony w ci\xB9gu 10 sekund.\r"
    "Plik mo\xBF" "e by\xE6 uszkodzony.";
// Follows the message of a folder that cannot be listed, whose dialog then asks Tak/Nie/Anuluj.
inline constexpr std::string_view kOfferFileCheck = "\r\rPokaza\xE6 sprawdzenie plik\xF3w tego folderu?";

}  // namespace viewer_messages
