#include "load_warning.h"

#include "messages.h"

namespace {

// Why, with the element's name standing where "%" does.
const char* Why(XmlBreakReason reason) {
    switch (reason) {
    case XmlBreakReason::TextWhereTagExpected: return "tekst tam, gdzie powinien by\xE6 znacznik";
    case XmlBreakReason::EndTagMismatch: return "znacznik zamykaj\xB9" "cy nie pasuje do <%>";
    case XmlBreakReason::EndTagNotClosed: return "znacznik zamykaj\xB9" "cy elementu <%> bez \">\"";
    case XmlBreakReason::TagWithoutName: return "znacznik bez nazwy";
    case XmlBreakReason::SlashNotClosing: return "po \"/\" brak \">\"";
    case XmlBreakReason::BadAttribute: return "b\xB3\xEA" "dny atrybut w <%>";
    case XmlBreakReason::InstructionNotClosed: return "po \"?\" brak \">\"";
    case XmlBreakReason::ShortMarkup: return "urwany znacznik \"<!\"";
    case XmlBreakReason::ElementNotClosed: return "plik urywa si\xEA przed </%>";
    case XmlBreakReason::CommentNotClosed: return "niezako\xF1" "czony komentarz";
    case XmlBreakReason::CDataNotClosed: return "niezako\xF1" "czona sekcja CDATA";
    case XmlBreakReason::CharacterCut: return "plik urywa si\xEA w po\xB3owie znaku";
    }
    return "";
}

}  // namespace

std::string BreakReason(const XmlBreak& where) {
    std::string why = Why(where.reason);
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
    return "Plik jest niekompletny: " + WhereAndWhy(where) + ".\rPokazano tylko jego pocz\xB9tek.";
}
