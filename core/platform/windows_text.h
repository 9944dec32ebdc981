#pragma once
// Text at the Win32 boundary (Windows builds only). The program speaks UTF-8 throughout; the
// "W" calls get UTF-16 made at the call, never the ANSI code page, which would lose every
// Polish letter outside it.
#include <string>
#include <string_view>

std::wstring WideOf(std::string_view utf8);
std::string Utf8Of(std::wstring_view wide);

// A path for a Win32 call. Separators become backslashes: some calls (ReplaceFileW under Wine
// among them) refuse forward slashes that every other call takes.
std::wstring Win32Path(std::string_view utf8);

// The system's own words for an error code (GetLastError), in the user's language where
// Windows has them, without the closing full stop and line end, as strerror gives them.
std::string SystemMessage(unsigned long code);
