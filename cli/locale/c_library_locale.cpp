#include "c_library_locale.h"

#include <clocale>

#ifndef _WIN32
#include <langinfo.h>
#endif

#include "code_page.h"
#include "utf8.h"

namespace c_library_locale {

namespace {

// The C library writes in the locale's character set: UTF-8 as a rule.
std::string ToAnsi(const std::string& text) { return IsStrictUtf8(text) ? WideToAnsi(Utf8ToWide(text)) : text; }

std::string Formatted(const std::string& format, const std::tm& when) {
    if (format.empty()) return "";
    char text[256];
    const std::size_t length = std::strftime(text, sizeof text, format.c_str(), &when);
    return std::string(text, length);
}

std::string ShortDateFormat() {
#ifdef _WIN32
    return "%x";
#else
    return nl_langinfo(D_FMT);
#endif
}

}  // namespace

std::string DecimalSeparator() { return ToAnsi(std::localeconv()->decimal_point); }

std::string DateText(const std::tm& when) {
    // Qt (CLDR) writes a Polish short date with the day unpadded where the C library pads it:
    // the day is written here, the rest of the format by the C library.
    const std::string format = ShortDateFormat();
    std::string text, pending;
    for (std::size_t i = 0; i < format.size(); ++i) {
        if (format[i] != '%' || i + 1 == format.size()) {
            pending += format[i];
        } else if (format[i + 1] == 'd' || format[i + 1] == 'e') {
            text += Formatted(pending, when) + std::to_string(when.tm_mday);
            pending.clear();
            ++i;
        } else {
            pending += format.substr(i++, 2);
        }
    }
    return ToAnsi(text + Formatted(pending, when));
}

std::string TimeText(const std::tm& when) { return ToAnsi(Formatted("%X", when)); }

std::tm Now() {
    const std::time_t now = std::time(nullptr);
    std::tm local {};
#ifdef _WIN32
    localtime_s(&local, &now);
#else
    localtime_r(&now, &local);
#endif
    return local;
}

}  // namespace c_library_locale
