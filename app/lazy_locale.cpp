#include "lazy_locale.h"

#include <dlfcn.h>

#include <filesystem>

namespace {

constexpr const char* kModuleName = "libulnik_locale.so";

std::string ModulePath() {
    std::error_code error;
    const auto executable = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? kModuleName : (executable.parent_path() / kModuleName).string();
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
    const std::string path = ModulePath();
    module_ = ::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!module_) {
        const char* why = ::dlerror();
        Fail("cannot load the locale module " + path + ": " + (why ? why : "unknown reason"));
    }
    using Factory = LocaleServices* (*)();
    const auto create = reinterpret_cast<Factory>(::dlsym(module_, "UlnikCreateLocaleServices"));
    if (!create) Fail("the locale module " + path + " lacks its factory");
    services_.reset(create());
    return *services_;
}

void LazyLocale::Fail(std::string why) {
    failure_ = std::move(why);
    throw LocaleUnavailable(failure_);
}

std::string LazyLocale::DecimalSeparator() { return Loaded().DecimalSeparator(); }
std::string LazyLocale::CurrentDateText() { return Loaded().CurrentDateText(); }
std::string LazyLocale::CurrentTimeText() { return Loaded().CurrentTimeText(); }
void LazyLocale::SortIgnoringCase(std::vector<std::string>& lines) { Loaded().SortIgnoringCase(lines); }
