#pragma once
// The user's regional settings as Windows keeps them, through the national-language API:
// the Windows build's counterpart of QtLocale, with no Qt to load.
#include <string>

#include "locale_services.h"

class WindowsLocale : public LocaleServices {
public:
    // A locale by name ("pl-PL"); empty for the user's own settings.
    explicit WindowsLocale(std::wstring name = L"") : name_(std::move(name)) {}

    std::string DecimalSeparator() override;
    std::string CurrentDateText() override;
    std::string CurrentTimeText() override;
    void SortIgnoringCase(std::vector<std::string>& lines) override;

private:
    const wchar_t* Name() const;

    std::wstring name_;
};
