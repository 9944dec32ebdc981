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

}  // namespace viewer_messages
