#include "load_warning.h"

#include "ansi_literal.h"
#include "messages.h"

namespace {

// Why, with the element's name standing where "%" does.
AnsiView Why(XmlBreakReason reason) {
    switch (reason) {
    case XmlBreakReason::TextWhereTagExpected: return Ansi<"tekst tam, gdzie powinien być znacznik">;
    case XmlBreakReason::EndTagMismatch: return Ansi<"znacznik zamykający nie pasuje do <%>">;
    case XmlBreakReason::EndTagNotClosed: return Ansi<"znacznik zamykający elementu <%> bez \">\"">;
    case XmlBreakReason::TagWithoutName: return Ansi<"znacznik bez nazwy">;
    case XmlBreakReason::SlashNotClosing: return Ansi<"po \"/\" brak \">\"">;
    case XmlBreakReason::BadAttribute: return Ansi<"błędny atrybut w <%>">;
    case XmlBreakReason::InstructionNotClosed: return Ansi<"po \"?\" brak \">\"">;
    case XmlBreakReason::ShortMarkup: return Ansi<"urwany znacznik \"<!\"">;
    case XmlBreakReason::ElementNotClosed: return Ansi<"plik urywa się przed </%>">;
    case XmlBreakReason::CommentNotClosed: return Ansi<"niezakończony komentarz">;
    case XmlBreakReason::CDataNotClosed: return Ansi<"niezakończona sekcja CDATA">;
    case XmlBreakReason::CharacterCut: return Ansi<"plik urywa się w połowie znaku">;
    }
    return {};
}

}  // namespace

AnsiText BreakReason(const XmlBreak& where) {
    std::string why(Why(where.reason));
    if (const size_t mark = why.find('%'); mark != std::string::npos)
        why.replace(mark, 1, messages::ShownText(where.element).Bytes());
    return AnsiText::OfBytes(std::move(why));
}

namespace {

// "wiersz L, kolumna C: " and why.
AnsiText WhereAndWhy(const XmlBreak& where) {
    return Ansi<"wiersz "> + AnsiText::Number((long long)where.line) + Ansi<", kolumna "> +
           AnsiText::Number((long long)where.column) + Ansi<": "> + BreakReason(where);
}

}  // namespace

AnsiText IncompleteFileWarning(const XmlBreak& where) {
    return Ansi<"uwaga: plik jest niekompletny: "> + WhereAndWhy(where) + Ansi<" (bajt "> +
           AnsiText::Number((long long)where.byteOffset) + Ansi<")">;
}

AnsiText IncompletePageNotice(const XmlBreak& where) {
    return Ansi<"Plik jest niekompletny: "> + WhereAndWhy(where) + Ansi<".\rPokazano tylko jego początek.">;
}
