#pragma once
// Regional settings that do not depend on the machine: a comma, a fixed date and time, and
// Polish collation.
#include "locale_services.h"
#include "qt_locale.h"

class FixedLocale : public LocaleServices {
public:
    std::string DecimalSeparator() override { return ","; }
    std::string CurrentDateText() override { return "08.12.2026"; }
    std::string CurrentTimeText() override { return "10:15:00"; }
    void SortIgnoringCase(std::vector<std::string>& lines) override { polish_.SortIgnoringCase(lines); }

private:
    QtLocale polish_{QLocale(QLocale::Polish, QLocale::Poland)};
};
