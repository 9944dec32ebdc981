#include "windows_text.h"

#include <windows.h>

#include <algorithm>

#include "utf8.h"

// wchar_t is 16 bits wide on Windows: the same code units as char16_t.
std::wstring WideOf(std::string_view utf8) {
    const std::u16string wide = Utf8ToWide(utf8);
    return std::wstring(wide.begin(), wide.end());
}

std::string Utf8Of(std::wstring_view wide) { return WideToUtf8(std::u16string(wide.begin(), wide.end())); }

std::wstring Win32Path(std::string_view utf8) {
    std::wstring path = WideOf(utf8);
    std::replace(path.begin(), path.end(), L'/', L'\\');
    return path;
}

std::string SystemMessage(unsigned long code) {
    wchar_t* text = nullptr;
    const DWORD length =
        ::FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_IGNORE_INSERTS,
                         nullptr, code, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    if (length == 0) return "error " + std::to_string(code);
    std::wstring message(text, length);
    ::LocalFree(text);
    while (!message.empty() &&
           (message.back() == L'\n' || message.back() == L'\r' || message.back() == L' ' || message.back() == L'.'))
        message.pop_back();
    return Utf8Of(message);
}
