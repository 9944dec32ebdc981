#include "pkxml_parser.h"

#include <memory>
#include <string>

#include "name_key.h"
#include "parse_state.h"
#include "pkxml.h"
#include "text_ops.h"

namespace {

bool IsTagNameStop(char16_t c) { return ParseState::IsBlank(c) || c == u'/' || c == u'>'; }
bool IsAttrNameStop(char16_t c) { return ParseState::IsBlank(c) || c == u'=' || c == u'>'; }
bool IsValueStop(char16_t c) { return c == u'"'; }
bool IsTextStop(char16_t c) { return c == u'<'; }
bool IsEndTagNameStop(char16_t c) { return ParseState::IsBlank(c) || c == u'>'; }

struct Item {
    bool ok = false;
    bool noContent = false;
    bool isCData = false;
};

class Parser {
public:
    Parser(const std::u16string& text, bool inCodePage, std::optional<ParseStop>& stop)
        : state_(text), inCodePage_(inCodePage), stop_(stop) {}

    bool ParseContent(TpkXMLNode& node, int depth);

private:
    // Kept out of line so that the frame ParseContent leaves on the stack at every level of
    // nesting stays small.
    [[gnu::noinline]] bool EndTagCloses(const TpkXMLNode& node);
    [[gnu::noinline]] Item ParseTag(TpkXMLNode& node, TpkXMLNode& parent);
    Item ParseBang(TpkXMLNode& node, TpkXMLNode& parent);
    bool ParseAttributes(TpkXMLNode& node, Item& item);
    void ReadText(TpkXMLNode& node);
    // "/" must close the tag at once; leaves the character after it in c.
    bool SlashCloses(char16_t& c, Item& item) {
        c = state_.NextChar();
        item.noContent = true;
        return c == u'>' || Stop(XmlBreakReason::SlashNotClosing, {}, 1);
    }
    // Notes the first place the reading breaks; always false. `back`: characters already read
    // past the place. Out of line, like the tag readers, to keep ParseContent's frame small.
    [[gnu::noinline]] bool Stop(XmlBreakReason reason, std::u16string_view element = {}, std::size_t back = 0);
    // Something still open when the text ran out.
    [[gnu::noinline]] void StopAtEnd(XmlBreakReason reason, std::u16string_view element = {});
    // A comment or CDATA section that ran to the end of the text was read as empty.
    void NoteUnterminated(XmlBreakReason reason) {
        if (state_.AtEnd()) StopAtEnd(reason);
    }

    ParseState state_;
    bool inCodePage_;
    std::optional<ParseStop>& stop_;
};

bool Parser::Stop(XmlBreakReason reason, std::u16string_view element, std::size_t back) {
    if (!stop_) {
        const std::size_t at = state_.Position();
        stop_ = ParseStop{reason, at >= back ? at - back : 0, std::u16string(element)};
    }
    return false;
}

void Parser::StopAtEnd(XmlBreakReason reason, std::u16string_view element) {
    // A name cut off by the end keeps the end-of-text character in the tree; where the break is
    // told, the name is the file's own.
    if (element.ends_with(u'\0')) element.remove_suffix(1);
    if (!stop_) stop_ = ParseStop{reason, state_.Length(), std::u16string(element)};
}

bool Parser::ParseContent(TpkXMLNode& node, int depth) {
    if (depth > kMaxNestingDepth) throw XmlNestingTooDeep("elements nest too deep");
    while (!state_.AtEnd()) {
        if (!state_.Expect(u'<')) return Stop(XmlBreakReason::TextWhereTagExpected, {}, 1);
        if (state_.NextChar() == u'/') return EndTagCloses(node);
        state_.BackChar();
        auto child = std::make_unique<TpkXMLNode>();
        const Item item = ParseTag(*child, node);
        if (!item.ok) return false;
        if (!item.isCData) {
            TpkXMLNode& added = *child;
            node.AddChild(std::move(child));  // before its content, so a failure keeps it
            if (!item.noContent && !ParseContent(added, depth + 1)) return false;
        }
        state_.SkipBlanks();
    }
    // The text ran out: every element still open ends here, and the file is incomplete.
    if (depth > 0) StopAtEnd(XmlBreakReason::ElementNotClosed, node.Name);
    return true;
}

bool Parser::EndTagCloses(const TpkXMLNode& node) {
    const std::u16string_view name = state_.ReadUntil(IsEndTagNameStop);
    state_.SkipBlanks();
    if (state_.NextChar() != u'>') return Stop(XmlBreakReason::EndTagNotClosed, node.Name);
    return SameKey(name, node.Name) || Stop(XmlBreakReason::EndTagMismatch, node.Name);
}

Item Parser::ParseTag(TpkXMLNode& node, TpkXMLNode& parent) {
    Item item;
    char16_t c = state_.NextChar();
    if (c == u'!') return ParseBang(node, parent);
    if (c == u'?') {
        item.noContent = true;
        node.Kind = TpkXMLNodeKind::nkInstruction;
    } else {
        state_.BackChar();
    }
    const std::u16string_view name = state_.ReadUntil(IsTagNameStop);
    state_.SkipBlanks();
    c = state_.NextChar();
    if (c == u'/' && !SlashCloses(c, item)) return item;
    if (c != u'>') state_.BackChar();
    if (name.empty()) {
        Stop(XmlBreakReason::TagWithoutName);
        return item;
    }
    node.Name = name;
    if (c != u'>' && !ParseAttributes(node, item)) return item;
    ReadText(node);
    item.ok = true;
    return item;
}

// CDATA goes to the parent; anything else after "<!", a DOCTYPE included, is read as a comment.
Item Parser::ParseBang(TpkXMLNode& node, TpkXMLNode& parent) {
    Item item;
    char16_t head[7];
    for (char16_t& c : head) c = state_.NextChar();
    if (state_.AtEnd()) {
        Stop(XmlBreakReason::ShortMarkup);
        return item;
    }
    item.ok = true;
    if (SameKey({head, 7}, u"[CDATA[")) {
        parent.CData = state_.ReadUntilText(u"]]>");
        NoteUnterminated(XmlBreakReason::CDataNotClosed);
        item.isCData = true;
        return item;
    }
    state_.Move(-7);
    item.noContent = true;
    node.Kind = TpkXMLNodeKind::nkComment;
    state_.NextChar();
    state_.NextChar();
    node.Text = TrimText(state_.ReadUntilText(u"-->"), inCodePage_);
    NoteUnterminated(XmlBreakReason::CommentNotClosed);
    return item;
}

bool Parser::ParseAttributes(TpkXMLNode& node, Item& item) {
    while (!state_.AtEnd()) {
        state_.SkipBlanks();
        char16_t c = state_.NextChar();
        if (c == u'/' && !SlashCloses(c, item)) return false;
        if (c == u'>') break;
        state_.BackChar();
        const std::u16string_view name = state_.ReadUntil(IsAttrNameStop);
        if (node.Kind == TpkXMLNodeKind::nkInstruction && name == u"?") {
            if (state_.NextChar() == u'>') break;
            return Stop(XmlBreakReason::InstructionNotClosed, node.Name, 1);
        }
        if (!state_.Expect(u'=') || !state_.Expect(u'"')) return Stop(XmlBreakReason::BadAttribute, node.Name, 1);
        const std::u16string_view raw = state_.ReadUntil(IsValueStop);
        if (!state_.Expect(u'"')) return Stop(XmlBreakReason::BadAttribute, node.Name, 1);
        node.Attrs.Add(std::make_unique<TpkXMLAttr>(TrimText(name, inCodePage_),
                                                    DecodeEntities(std::u16string(raw))));
    }
    return true;
}

// Whatever follows the tag up to the next "<" is the node's text, after an empty-element tag
// or a processing instruction too.
void Parser::ReadText(TpkXMLNode& node) {
    state_.SkipBlanks();
    node.Text = DecodeEntities(TrimText(state_.ReadUntil(IsTextStop), inCodePage_));
}

}  // namespace

bool ParseText(const std::u16string& text, bool inCodePage, TpkXMLNode& root, std::optional<ParseStop>& stop) {
    return Parser(text, inCodePage, stop).ParseContent(root, 0);
}
