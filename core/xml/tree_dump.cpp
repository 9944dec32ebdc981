#include "tree_dump.h"

#include <utility>
#include <vector>

#include "utf8.h"

namespace {

bool IsHigh(char16_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool IsLow(char16_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

void AppendEscape(std::string& out, char16_t c) {
    static constexpr char kHex[] = "0123456789abcdef";
    out += "\\u";
    for (int shift = 12; shift >= 0; shift -= 4) out += kHex[c >> shift & 0xF];
}

const char* KindName(TpkXMLNodeKind kind) {
    switch (kind) {
        case TpkXMLNodeKind::nkInstruction: return "instruction";
        case TpkXMLNodeKind::nkComment: return "comment";
        default: return "element";
    }
}

void AppendNode(std::string& out, const TpkXMLNode& node, int depth) {
    out.append(2 * static_cast<size_t>(depth), ' ');
    out += KindName(node.Kind);
    out += " name=" + JsonString(node.Name) + " text=" + JsonString(node.Text);
    if (!node.CData.empty()) out += " cdata=" + JsonString(node.CData);
    out += '\n';
    for (int i = 0; i < node.Attrs.Count(); ++i) {
        out.append(2 * static_cast<size_t>(depth + 1), ' ');
        out += '@' + JsonString(node.Attrs[i].Name) + '=' + JsonString(node.Attrs[i].Value) + '\n';
    }
}

}  // namespace

std::string JsonString(std::u16string_view text) {
    std::string out = "\"";
    for (size_t i = 0; i < text.size(); ++i) {
        const char16_t c = text[i];
        if (c == u'"') out += "\\\"";
        else if (c == u'\\') out += "\\\\";
        else if (c < 0x20) AppendEscape(out, c);
        else if (IsHigh(c) && i + 1 < text.size() && IsLow(text[i + 1]))
            AppendUtf8(out, 0x10000 + ((c - 0xD800) << 10) + (text[++i] - 0xDC00));
        else if (IsHigh(c) || IsLow(c)) AppendEscape(out, c);
        else AppendUtf8(out, c);
    }
    return out + '"';
}

// Walks with its own stack: trees can be thousands of levels deep.
std::string DumpTree(const TpkXML& doc, bool loadResult) {
    std::string out = loadResult ? "result: true\n" : "result: false\n";
    out += doc.HasBOM ? "bom: true\n" : "bom: false\n";
    out += "root";
    if (!doc.Root.CData.empty()) out += " cdata=" + JsonString(doc.Root.CData);
    out += '\n';
    std::vector<std::pair<const TpkXMLNode*, int>> pending;
    for (int i = doc.Root.ChildCount() - 1; i >= 0; --i) pending.emplace_back(doc.Root.Child(i), 1);
    while (!pending.empty()) {
        const auto [node, depth] = pending.back();
        pending.pop_back();
        AppendNode(out, *node, depth);
        for (int i = node->ChildCount() - 1; i >= 0; --i) pending.emplace_back(node->Child(i), depth + 1);
    }
    return out;
}
