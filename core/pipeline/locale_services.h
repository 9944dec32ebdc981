#pragma once
// What the user's regional settings decide: the decimal separator of averages, the date and
// time stamped on the folder list, and the order of its lines. Texts are Windows-1250.
#include <string>
#include <vector>

class LocaleServices {
public:
    virtual ~LocaleServices() = default;

    virtual std::string DecimalSeparator() = 0;
    // Today's date in the short date format.
    virtual std::string CurrentDateText() = 0;
    // The current time in the long time format, without a time-zone name.
    virtual std::string CurrentTimeText() = 0;
    // Whole lines in the locale's collation, ignoring case.
    virtual void SortIgnoringCase(std::vector<std::string>& lines) = 0;
};
