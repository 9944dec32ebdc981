#include "ansi_text.h"

#include "code_page.h"
#include "utf8.h"

AnsiText AnsiText::FromUtf8(std::string_view utf8) { return OfBytes(WideToAnsi(Utf8ToWide(utf8))); }

std::string AnsiText::ToUtf8() const { return AnsiToUtf8(bytes_); }

std::u16string AnsiText::ToWide() const { return AnsiToWide(bytes_); }
