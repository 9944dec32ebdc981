#include "school_value.h"

#include "code_page.h"
#include "pkxml.h"

namespace {

// The lookups do not add a missing element to the tree: a file that asks for millions of
// missing lines must not grow a node for each.
const TpkXMLNode* NodeAt(TpkXML& document, std::initializer_list<std::string_view> path) {
    TpkXMLNode* node = document.FindNode(u"Szkola", false);
    for (auto name = path.begin(); node && name != path.end(); ++name)
        node = node->FindChild(AnsiToWide(*name), false);
    return node;
}

std::string ValueAt(TpkXML& document, std::initializer_list<std::string_view> path) {
    const TpkXMLNode* node = NodeAt(document, path);
    return node ? WideToAnsi(node->Text) : std::string();
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

std::u16string SchoolText(std::initializer_list<std::string_view> path, TpkXML& document) {
    const TpkXMLNode* node = NodeAt(document, path);
    return node ? node->Text : std::u16string();
}

std::u16string SchoolText(std::string_view name, TpkXML& document) {
    const TpkXMLNode* node = NodeAt(document, {name});
    return node ? node->Text : std::u16string();
}
