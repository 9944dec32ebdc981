#pragma once
// The report file in memory: a small tree of UTF-16 texts, read by name without regard to
// case. Lookups can create what they do not find, so a reader always gets a node back and a
// missing element simply reads as empty text.
#include <cstdint>
#include <istream>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

enum class TpkXMLNodeKind : std::uint8_t { nkElement = 0, nkInstruction = 1, nkComment = 2 };

using TpkXMLBuf = std::vector<std::uint8_t>;

// Raised when elements nest deeper than the reader follows; callers treat it like a file
// that cannot be read.
class XmlNestingTooDeep : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Why the reader stopped before the end of a file, or ended with something still open.
enum class XmlBreakReason : std::uint8_t {
    TextWhereTagExpected,  // a character other than a blank where a "<" is due
    EndTagMismatch,        // an end tag naming another element than the open one
    EndTagNotClosed,       // an end tag not closed by ">"
    TagWithoutName,
    SlashNotClosing,       // "/" in a tag not followed by ">"
    BadAttribute,          // not name="value"
    InstructionNotClosed,  // "?" not followed by ">"
    ShortMarkup,           // the text ends within a few characters after "<!"
    ElementNotClosed,      // the text ends inside an element
    CommentNotClosed,
    CDataNotClosed,
    CharacterCut,          // the file ends inside a UTF-8 character, which is dropped
};

// Where a file breaks off: counted from 1 in lines and characters, and from 0 in bytes of the
// file. Element: the element concerned, where there is one.
struct XmlBreak {
    XmlBreakReason reason;
    std::size_t line;
    std::size_t column;
    std::size_t byteOffset;
    std::u16string element;
};

class TpkXMLAttr {
public:
    TpkXMLAttr(std::u16string name, std::u16string value)
        : Name(std::move(name)), Value(std::move(value)) {}
    std::u16string Name;
    std::u16string Value;
};

class TpkXMLAttrs {
public:
    void Clear() { items_.clear(); }
    void Add(std::unique_ptr<TpkXMLAttr> attr) { items_.push_back(std::move(attr)); }
    int Count() const { return static_cast<int>(items_.size()); }
    const TpkXMLAttr& operator[](int i) const { return *items_[static_cast<size_t>(i)]; }

private:
    std::vector<std::unique_ptr<TpkXMLAttr>> items_;
};

// The key names are compared under: upper-cased through the Windows-1250 code page.
std::u16string UpperKey(std::u16string_view text);

class TpkXMLNode {
public:
    TpkXMLNode();
    ~TpkXMLNode();
    TpkXMLNode(const TpkXMLNode&) = delete;
    TpkXMLNode& operator=(const TpkXMLNode&) = delete;

    // Destroys every child with its subtree; the node's own texts and attributes stay. Never
    // allocates, so it is safe while unwinding from an allocation failure.
    void Clear() noexcept;
    // Takes ownership. The child's Name must be final by now: lookups index it from here on.
    void AddChild(std::unique_ptr<TpkXMLNode> child);
    int ChildCount() const;
    // Null for an index outside 0 .. ChildCount-1.
    TpkXMLNode* Child(int index) const;
    // The first child whose name matches ignoring case; on a miss, null, or with
    // createIfMissing a new empty element of exactly that name appended as the last child.
    TpkXMLNode* FindChild(std::u16string_view name, bool createIfMissing);

    TpkXMLAttrs Attrs;
    std::u16string Name;
    std::u16string Text;
    std::u16string CData;
    TpkXMLNodeKind Kind = TpkXMLNodeKind::nkElement;

private:
    struct Index;
    // A child with the hash of its name's key, taken as it is added, so that indexing a long
    // list of children need not visit every one of them again.
    struct Owned {
        std::unique_ptr<TpkXMLNode> node;
        std::uint32_t keyHash;
    };
    void BuildIndex();
    std::vector<Owned> children_;
    std::unique_ptr<Index> index_;  // built on the first lookup, kept up to date after
    TpkXMLNode* nextDoomed_ = nullptr;  // the next node Clear takes apart
};

class TpkXML {
public:
    TpkXML();

    // Missing file: false, tree untouched. File that exists but cannot be opened:
    // FileOpenError. Otherwise the result of LoadFromBuffer.
    bool LoadFromFile(const std::string& fileName);
    // Reads as many bytes as remain in the stream; an empty stream gives false, tree untouched.
    bool LoadFromStream(std::istream& stream);
    // Clears the tree and parses: UTF-16 (LE or BE) or UTF-8 after their byte-order marks;
    // without a mark, UTF-8 when the bytes are well-formed UTF-8 with at least one non-ASCII
    // byte and no XML declaration names another encoding; else Windows-1250.
    // False at the first thing it cannot read, keeping what was built; XmlNestingTooDeep
    // when elements nest too deep.
    bool LoadFromBuffer(const TpkXMLBuf& buffer);
    // LoadFromBuffer over bytes already in memory, without copying them.
    bool LoadFromMemory(std::string_view bytes);

    // Top-level items only: Root.FindChild.
    TpkXMLNode* FindNode(std::u16string_view name, bool createIfMissing);

    TpkXMLNode Root;
    bool HasBOM = false;  // the data began with any of the three byte-order marks
    // Set by a load that stopped early, or ran out of text with something still open (which
    // the reader tolerates): where the file breaks. Empty after a complete load.
    std::optional<XmlBreak> Break;
};
