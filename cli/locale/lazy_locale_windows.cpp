// LazyLocale on Windows: the national-language API is part of the system, so there is no module
// to load and nothing that can fail; the services are made when a page first asks.
#include "lazy_locale.h"

#include "windows_locale.h"

LazyLocale::LazyLocale() = default;
LazyLocale::~LazyLocale() = default;

LocaleServices& LazyLocale::Loaded() {
    if (!services_) services_ = std::make_unique<WindowsLocale>();
    return *services_;
}

std::string LazyLocale::DecimalSeparator() { return Loaded().DecimalSeparator(); }
std::string LazyLocale::CurrentDateText() { return Loaded().CurrentDateText(); }
std::string LazyLocale::CurrentTimeText() { return Loaded().CurrentTimeText(); }
void LazyLocale::SortIgnoringCase(std::vector<std::string>& lines) { Loaded().SortIgnoringCase(lines); }
