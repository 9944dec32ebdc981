#pragma once
// The user's regional settings as Qt reads them: QLocale::system() and its collation.
#include <QLocale>
#include <QString>

#include "locale_services.h"

class QtLocale : public LocaleServices {
public:
    explicit QtLocale(const QLocale& locale = QLocale::system()) : locale_(locale) {}

    std::string DecimalSeparator() override;
    std::string CurrentDateText() override;
    std::string CurrentTimeText() override;
    void SortIgnoringCase(std::vector<std::string>& lines) override;

private:
    QLocale locale_;
};

// A locale's long time format without its time-zone name.
QString LongTimeFormatWithoutZone(const QLocale& locale);
