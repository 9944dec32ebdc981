#include "lazy_locale.h"

#include <clocale>
#include <string_view>

#include <dlfcn.h>

#include "c_library_locale.h"

namespace {

// Opened by its bare name, so that the loader looks where the executable's RUNPATH says: beside
// the executable in a build tree, in the private library folder (lib/ulnik) when installed.
constexpr const char* kModuleName = "libulnik_locale.so";

// The C library's forms are Qt's for a Polish user, as checked; any other user (or a locale the
// C library was not given) gets Qt's own, as before, at the cost of loading the module.
bool CLibraryIsPolish(int category) {
    const char* name = std::setlocale(category, nullptr);
    return name && std::string_view(name).starts_with("pl_");
}

}  // namespace

LazyLocale::LazyLocale() = default;

LazyLocale::~LazyLocale() {
    services_.reset();  // its code lives in the module
    if (module_) ::dlclose(module_);
}

LocaleServices& LazyLocale::Loaded() {
    if (services_) return *services_;
    if (!failure_.empty()) throw LocaleUnavailable(failure_);
    module_ = ::dlopen(kModuleName, RTLD_NOW | RTLD_LOCAL);
    if (!module_) {
        const char* why = ::dlerror();
        Fail(std::string("nie można wczytać modułu ustawień regionalnych ") + kModuleName + ": " +
             (why ? why : "przyczyna nieznana"));
    }
    using Factory = LocaleServices* (*)();
    const auto create = reinterpret_cast<Factory>(::dlsym(module_, "UlnikCreateLocaleServices"));
    if (!create) Fail(std::string("moduł ustawień regionalnych ") + kModuleName + " jest niekompletny");
    services_.reset(create());
    return *services_;
}

void LazyLocale::Fail(std::string why) {
    failure_ = std::move(why);
    throw LocaleUnavailable(failure_);
}

std::string LazyLocale::DecimalSeparator() {
    return CLibraryIsPolish(LC_NUMERIC) ? c_library_locale::DecimalSeparator() : Loaded().DecimalSeparator();
}
std::string LazyLocale::CurrentDateText() {
    return CLibraryIsPolish(LC_TIME) ? c_library_locale::DateText(c_library_locale::Now()) : Loaded().CurrentDateText();
}
std::string LazyLocale::CurrentTimeText() {
    return CLibraryIsPolish(LC_TIME) ? c_library_locale::TimeText(c_library_locale::Now()) : Loaded().CurrentTimeText();
}
void LazyLocale::SortIgnoringCase(std::vector<std::string>& lines) { Loaded().SortIgnoringCase(lines); }
