#pragma once
// Locale services loaded on first use from the program's locale module, so that a run
// that never shows an average or a folder list never loads Qt.
#include <memory>

#include "locale_services.h"

class LazyLocale : public LocaleServices {
public:
    LazyLocale();
    ~LazyLocale() override;

    std::string DecimalSeparator() override;
    std::string CurrentDateText() override;
    std::string CurrentTimeText() override;
    void SortIgnoringCase(std::vector<std::string>& lines) override;

private:
    LocaleServices& Loaded();

    void* module_ = nullptr;
    std::unique_ptr<LocaleServices> services_;
};
