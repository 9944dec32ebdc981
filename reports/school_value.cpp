#include "school_value.h"

#include "code_page.h"
#include "pkxml.h"

namespace {

std::string ValueAt(TpkXML& document, std::initializer_list<std::string_view> path) {
    TpkXMLNode* node = document.FindNode(u"Szkola", true);
    for (std::string_view name : path) node = node->FindChild(AnsiToWide(name), true);
    return WideToAnsi(node->Text);
}

}  // namespace

std::string SchoolValue(std::string_view name, TpkXML& document) { return ValueAt(document, {name}); }

std::string SchoolValue2(std::string_view first, std::string_view second, TpkXML& document) {
    return ValueAt(document, {first, second});
}

std::string SchoolValue3(std::string_view first, std::string_view second, std::string_view third,
                         TpkXML& document) {
    return ValueAt(document, {first, second, third});
}
