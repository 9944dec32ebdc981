#pragma once
// The locale services of the command-line tool. The separator, date and time come from the C
// library; only the order of the folder list needs Qt's collation, loaded on first use from the
// program's locale module, so that a run that lists no folder never loads Qt.
#include <memory>
#include <stdexcept>
#include <string>

#include "locale_services.h"

// The module is missing or unusable; the text names it.
class LocaleUnavailable : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class LazyLocale : public LocaleServices {
public:
    LazyLocale();
    ~LazyLocale() override;

    std::string DecimalSeparator() override;
    std::string CurrentDateText() override;
    std::string CurrentTimeText() override;
    void SortIgnoringCase(std::vector<std::string>& lines) override;

    // Why the module could not be loaded; empty while nothing failed.
    const std::string& Failure() const { return failure_; }

private:
    LocaleServices& Loaded();
    [[noreturn]] void Fail(std::string why);

    void* module_ = nullptr;
    std::unique_ptr<LocaleServices> services_;
    std::string failure_;
};
