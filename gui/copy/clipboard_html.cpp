#include "clipboard_html.h"

#include <gumbo.h>

#include <algorithm>
#include <array>
#include <memory>
#include <vector>

#include "clipboard_rules.h"

namespace {

using namespace clipboard_rules;

enum class Kind { Unwrapped, Kept, Void, Hidden, Verbatim };

template <std::size_t N>
bool OneOf(std::string_view name, const std::array<std::string_view, N>& names) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

// Every tag gumbo knows, looked up in the rules once: an unknown tag is never kept.
Kind KindOf(const GumboElement& element) {
    static const auto kinds = [] {
        std::array<Kind, GUMBO_TAG_LAST + 1> table{};
        for (int tag = 0; tag < GUMBO_TAG_UNKNOWN; ++tag) {
            const std::string_view name = gumbo_normalized_tagname(static_cast<GumboTag>(tag));
            table[tag] = OneOf(name, kVoidElements)       ? Kind::Void
                         : OneOf(name, kElements)         ? Kind::Kept
                         : OneOf(name, kHiddenElements)   ? Kind::Hidden
                         : OneOf(name, kVerbatimElements) ? Kind::Verbatim
                                                          : Kind::Unwrapped;
        }
        return table;
    }();
    // MathML and SVG share some names with HTML (style, title, font...) but not their meaning.
    if (element.tag_namespace == GUMBO_NAMESPACE_SVG) return Kind::Hidden;
    if (element.tag_namespace != GUMBO_NAMESPACE_HTML) return Kind::Unwrapped;
    return kinds[element.tag];
}

bool IsCssSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f'; }

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && IsCssSpace(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsCssSpace(text.back())) text.remove_suffix(1);
    return text;
}

bool IsNameChar(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' || c == '_';
}

char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// A value passes when nothing in it can fetch, run or escape: anything unusual fails it
// rather than being understood.
bool SafeCssValue(std::string_view value) {
    std::size_t nameStart = 0;  // of the identifier that ends where we are
    int depth = 0;
    for (std::size_t i = 0; i < value.size(); ++i) {
        const char c = value[i];
        if (c == '"' || c == '\'') {
            const std::size_t end = value.find(c, i + 1);
            if (end == std::string_view::npos) return false;
            for (const char inside : value.substr(i + 1, end - i - 1))
                if (inside == '\\' || inside == '\n' || inside == '\r' || inside == '\f') return false;
            i = end;
            nameStart = i + 1;
            continue;
        }
        if (c == '(') {
            std::string function;
            for (const char n : value.substr(nameStart, i - nameStart)) function += Lower(n);
            if (!OneOf(std::string_view(function), kCssFunctions)) return false;
            ++depth;
        } else if (c == ')') {
            if (--depth < 0) return false;
        } else if (c == '\\' || c == '@' || c == '&' || c == '<' || c == '>' || c == '{' || c == '}' || c == ';' ||
                   (c == '/' && i + 1 < value.size() && value[i + 1] == '*') ||
                   (static_cast<unsigned char>(c) < 0x20 && !IsCssSpace(c))) {
            return false;
        }
        if (!IsNameChar(c)) nameStart = i + 1;
    }
    return depth == 0;
}

// The declarations of a style attribute that pass, written anew.
std::string SafeStyle(std::string_view style) {
    std::string safe;
    std::size_t start = 0;
    while (start <= style.size()) {
        // A ";" inside a string or parentheses does not end the declaration.
        std::size_t end = start;
        char quote = 0;
        int depth = 0;
        for (; end < style.size(); ++end) {
            const char c = style[end];
            if (quote) {
                if (c == quote) quote = 0;
            } else if (c == '"' || c == '\'') {
                quote = c;
            } else if (c == '(') {
                ++depth;
            } else if (c == ')') {
                depth = std::max(0, depth - 1);
            } else if (c == ';' && depth == 0) {
                break;
            }
        }
        const std::string_view declaration = style.substr(start, end - start);
        start = end + 1;
        const std::size_t colon = declaration.find(':');
        if (colon == std::string_view::npos) continue;
        const std::string_view name = Trimmed(declaration.substr(0, colon));
        const std::string_view value = Trimmed(declaration.substr(colon + 1));
        std::string property;
        for (const char c : name) property += Lower(c);
        if (value.empty() || !OneOf(std::string_view(property), kCssProperties) || !SafeCssValue(value)) continue;
        if (!safe.empty()) safe += "; ";
        safe += property;
        safe += ": ";
        safe += value;
    }
    return safe;
}

// Escaped as the HTML serialisation of a tree escapes, so that text stays text.
void AppendEscaped(std::string& out, std::string_view text, bool attribute) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        switch (const char c = text[i]) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += attribute ? "&quot;" : "\""; break;
        case '\xC2':
            if (i + 1 < text.size() && text[i + 1] == '\xA0') {
                out += "&nbsp;";
                ++i;
                break;
            }
            [[fallthrough]];
        default: out += c;
        }
    }
}

void AppendAttributes(std::string& out, const GumboVector& attributes) {
    for (unsigned i = 0; i < attributes.length; ++i) {
        const auto* attribute = static_cast<const GumboAttribute*>(attributes.data[i]);
        if (attribute->attr_namespace != GUMBO_ATTR_NAMESPACE_NONE) continue;
        const std::string_view name = attribute->name;
        if (!OneOf(name, kAttributes)) continue;
        std::string style;
        std::string_view value = attribute->value;
        if (name == "style") {
            style = SafeStyle(value);
            if (style.empty()) continue;
            value = style;
        }
        out += ' ';
        out += name;
        out += "=\"";
        AppendEscaped(out, value, true);
        out += '"';
    }
}

// The tree written out again, with a stack of our own: a copy may nest deeper than the
// call stack would go.
class Writer {
public:
    std::string Write(const GumboNode& root) {
        stack_.push_back({&root.v.element.children, 0, {}});
        while (!stack_.empty()) {
            Step& step = stack_.back();
            if (step.next < step.children->length) {
                Node(*static_cast<const GumboNode*>(step.children->data[step.next++]));
                continue;
            }
            if (!step.endTag.empty()) {
                out_ += "</";
                out_ += step.endTag;
                out_ += '>';
            }
            stack_.pop_back();
        }
        return std::move(out_);
    }

private:
    struct Step {
        const GumboVector* children;
        unsigned next;
        std::string_view endTag;  // empty: the element itself was left out
    };

    void Node(const GumboNode& node) {
        switch (node.type) {
        case GUMBO_NODE_TEXT:
        case GUMBO_NODE_CDATA:
        case GUMBO_NODE_WHITESPACE: {
            const std::string_view text = node.v.text.text;
            // A parser drops a line feed right after <pre>: the text's own must survive it.
            if (out_.size() == afterPre_ && text.starts_with('\n')) out_ += '\n';
            return AppendEscaped(out_, text, false);
        }
        case GUMBO_NODE_ELEMENT: return Element(node.v.element);
        default:  // comments and templates
            return;
        }
    }

    void Element(const GumboElement& element) {
        const Kind kind = KindOf(element);
        if (kind == Kind::Hidden) return;
        std::string_view name;
        if (kind != Kind::Unwrapped) {
            name = kind == Kind::Verbatim ? "pre" : gumbo_normalized_tagname(element.tag);
            out_ += '<';
            out_ += name;
            AppendAttributes(out_, element.attributes);
            out_ += '>';
            if (kind == Kind::Void) return;
            if (name == "pre") afterPre_ = out_.size();
        }
        stack_.push_back({&element.children, 0, name});
    }

    std::vector<Step> stack_;
    std::string out_;
    std::size_t afterPre_ = std::string::npos;
};

}  // namespace

std::string SafeClipboardHtml(std::string_view html) {
    GumboOptions options = kGumboDefaultOptions;
    options.fragment_context = GUMBO_TAG_BODY;  // what a copy is: the content of a page's body
    options.max_errors = 0;                     // nobody reads them
    const std::unique_ptr<GumboOutput, void (*)(GumboOutput*)> parsed(
        gumbo_parse_with_options(&options, html.data(), html.size()),
        [](GumboOutput* output) { gumbo_destroy_output(&kGumboDefaultOptions, output); });
    return Writer().Write(*parsed->root);
}
