#include "windows_locale.h"

#include <windows.h>

#include <algorithm>
#include <functional>

#include "code_page.h"

namespace {

std::string ToAnsi(const std::wstring& text) { return WideToAnsi(std::u16string(text.begin(), text.end())); }

std::wstring FromAnsi(const std::string& text) {
    const std::u16string wide = AnsiToWide(text);
    return std::wstring(wide.begin(), wide.end());
}

// Calls an NLS function that fills a buffer: once for the size, once for the text.
std::wstring Filled(const std::function<int(wchar_t*, int)>& call) {
    const int size = call(nullptr, 0);
    if (size <= 0) return L"";
    std::wstring text(static_cast<size_t>(size), L'\0');
    const int written = call(text.data(), size);
    text.resize(written > 0 ? static_cast<size_t>(written) - 1 : 0);  // without the closing null
    return text;
}

}  // namespace

const wchar_t* WindowsLocale::Name() const { return name_.empty() ? LOCALE_NAME_USER_DEFAULT : name_.c_str(); }

std::string WindowsLocale::DecimalSeparator() {
    return ToAnsi(
        Filled([&](wchar_t* text, int size) { return ::GetLocaleInfoEx(Name(), LOCALE_SDECIMAL, text, size); }));
}

std::string WindowsLocale::CurrentDateText() {
    return ToAnsi(Filled([&](wchar_t* text, int size) {
        return ::GetDateFormatEx(Name(), DATE_SHORTDATE, nullptr, nullptr, text, size, nullptr);
    }));
}

// The long time format, which on Windows never names the time zone.
std::string WindowsLocale::CurrentTimeText() {
    return ToAnsi(
        Filled([&](wchar_t* text, int size) { return ::GetTimeFormatEx(Name(), 0, nullptr, nullptr, text, size); }));
}

// Windows' own word sort, as its other programs list names: a hyphen or apostrophe is passed
// over, so that "Nowak-Jeziorańska" stands between "Nowak Adam" and "Nowakowska", as in Qt's
// collation. (A string sort would put it before "Nowak Adam".)
void WindowsLocale::SortIgnoringCase(std::vector<std::string>& lines) {
    struct Keyed {
        std::wstring wide;
        std::string line;
    };
    std::vector<Keyed> keyed;
    keyed.reserve(lines.size());
    for (auto& line : lines) keyed.push_back({FromAnsi(line), std::move(line)});
    const wchar_t* name = Name();
    std::stable_sort(keyed.begin(), keyed.end(), [name](const Keyed& a, const Keyed& b) {
        return ::CompareStringEx(name, NORM_IGNORECASE, a.wide.data(), static_cast<int>(a.wide.size()), b.wide.data(),
                                 static_cast<int>(b.wide.size()), nullptr, nullptr, 0) == CSTR_LESS_THAN;
    });
    for (size_t i = 0; i < lines.size(); ++i) lines[i] = std::move(keyed[i].line);
}
