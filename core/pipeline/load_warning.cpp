#include "load_warning.h"

#include "ansi_literal.h"
#include "messages.h"

namespace {

// Why, with the element's name standing where "%" does.
std::string_view Why(XmlBreakReason reason) {
    switch (reason) {
    case XmlBreakReason::TextWhereTagExpected: return Ansi<"tekst tam, gdzie powinien być znacznik">;
    case XmlBreakReason::EndTagMismatch: return Ansi<"znacznik zamykający nie pasuje do <%>">;
    case XmlBreakReason::EndTagNotClosed: return Ansi<"znacznik zamykający elementu <%> bez \">\"">;
    case XmlBreakReason::TagWithoutName: return "znacznik bez nazwy";
    case XmlBreakReason::SlashNotClosing: return "po \"/\" brak \">\"";
    case XmlBreakReason::BadAttribute: return Ansi<"błędny atrybut w <%>">;
    case XmlBreakReason::InstructionNotClosed: return "po \"?\" brak \">\"";
    case XmlBreakReason::ShortMarkup: return "urwany znacznik \"<!\"";
    case XmlBreakReason::ElementNotClosed: return Ansi<"plik urywa się przed </%>">;
    case XmlBreakReason::CommentNotClosed: return Ansi<"niezakończony komentarz">;
    case XmlBreakReason::CDataNotClosed: return Ansi<"niezakończona sekcja CDATA">;
    case XmlBreakReason::CharacterCut: return Ansi<"plik urywa się w połowie znaku">;
    }
    return "";
}

}  // namespace

std::string BreakReason(const XmlBreak& where) {
    std::string why(Why(where.reason));
    if (const size_t mark = why.find('%'); mark != std::string::npos)
        why.replace(mark, 1, messages::ShownText(where.element));
    return why;
}

namespace {

// "wiersz L, kolumna C: " and why.
std::string WhereAndWhy(const XmlBreak& where) {
    return "wiersz " + std::to_string(where.line) + ", kolumna " + std::to_string(where.column) + ": " +
           BreakReason(where);
}

}  // namespace

std::string IncompleteFileWarning(const XmlBreak& where) {
    return "uwaga: plik jest niekompletny: " + WhereAndWhy(where) + " (bajt " + std::to_string(where.byteOffset) + ")";
}

std::string IncompletePageNotice(const XmlBreak& where) {
    return "Plik jest niekompletny: " + WhereAndWhy(where) +
           std::string(Ansi<".\rPokazano tylko jego początek.">);
}
