#pragma once
// The order in which a Polish school writes its classes and names, for Windows-1250 text and
// with no locale services (the browser edition and a bare Windows have none to ask): letters
// by the Polish alphabet without regard to case (a ą b c ć … z ź ż), numbers by their value
// ("2a" before "10a"), anything else by its byte. Texts that tie so are ordered by their bytes.
#include <string_view>

// Negative, zero or positive as `a` stands before, with or after `b`.
int ComparePolish(std::string_view a, std::string_view b);

inline bool PolishBefore(std::string_view a, std::string_view b) { return ComparePolish(a, b) < 0; }

// Lower-cased by the same alphabet: ASCII and the Polish capitals of Windows-1250.
char PolishLower(char c);
