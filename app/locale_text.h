#pragma once
// What the user's regional settings decide, read through Qt: the decimal separator, the date
// and time formats of the folder list, and the order of its lines. Texts are Windows-1250.
#include <string>
#include <vector>

#include <QLocale>

std::string DecimalSeparator();
// Today's date in the short date format.
std::string CurrentDateText();
// The current time in the long time format, without a time-zone name.
std::string CurrentTimeText();
// A locale's long time format without its time-zone name.
QString LongTimeFormatWithoutZone(const QLocale& locale);
// Sorts whole lines by the locale's collation, ignoring case.
void SortIgnoringCase(std::vector<std::string>& lines, const QLocale& locale = QLocale::system());
