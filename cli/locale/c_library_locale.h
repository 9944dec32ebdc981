#pragma once
// The user's regional settings as the C library has them, once the program has taken them
// from the environment (setlocale(LC_ALL, "")): the decimal separator, and the date and time
// in the forms Qt gives them to a Polish user, so that a page needs no Qt for them. Texts are
// Windows-1250. The order of the folder list needs Qt's collation, and is not here.
#include <ctime>
#include <string>

namespace c_library_locale {

std::string DecimalSeparator();
// The locale's short date, its day without a leading zero ("9.12.2026").
std::string DateText(const std::tm& when);
// The locale's time ("00:37:40").
std::string TimeText(const std::tm& when);
// The local time now.
std::tm Now();

}  // namespace c_library_locale
