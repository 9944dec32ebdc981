#include "terminal_shell.h"

#include <algorithm>
#include <optional>
#include <ostream>

#include "code_page.h"
#include "messages.h"
#include "utf8.h"

MessageChoice TerminalShell::ShowMessageBox(MessageStyle style, MessageIcon, const AnsiText& text) {
    errors_ << MessageForTerminal(text) << '\n';
    return style == StyleZamknij ? ChoiceZamknij : ChoiceAnuluj;
}

namespace {

// UTF-16 to UTF-8 with every control character written out, line breaks made `lineBreak`.
std::string Printable(std::u16string_view text, std::optional<char> lineBreak = std::nullopt) {
    std::u16string kept;
    kept.reserve(text.size());
    for (char16_t c : text)
        if (c == u'\r' && lineBreak)
            kept += char16_t(*lineBreak);
        else if (messages::IsControl(c))
            kept += Utf8ToWide(messages::WrittenOut(c));
        else
            kept += c;
    return WideToUtf8(kept);
}

}  // namespace

std::string MessageForTerminal(const AnsiText& text) { return Printable(text.ToWide(), '\n'); }

std::string MessageOnOneLine(const AnsiText& text) {
    const std::string utf8 = Printable(text.ToWide(), ' ');
    return utf8.substr(std::min(utf8.find_first_not_of(' '), utf8.size()));
}

std::string TerminalName(std::string_view bytes) {
    if (IsStrictUtf8(bytes)) return Printable(Utf8ToWide(bytes));
    std::string shown;
    for (char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        shown += byte >= 0x80 || messages::IsControl(byte) ? messages::WrittenOut(byte) : std::string(1, c);
    }
    return shown;
}
