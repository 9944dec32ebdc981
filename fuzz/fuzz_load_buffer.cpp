// Feeds arbitrary bytes to the reader, then reads the tree the way the renderers do.
#include <cstddef>
#include <cstdint>

#include "pkxml.h"
#include "tree_dump.h"

namespace {

// Touches every text, so the sanitizers see any node or string the load got wrong.
size_t Walk(const TpkXMLNode& node) {
    size_t total = node.Name.size() + node.Text.size() + node.CData.size();
    for (int i = 0; i < node.Attrs.Count(); ++i) total += node.Attrs[i].Name.size() + node.Attrs[i].Value.size();
    for (int i = 0; i < node.ChildCount(); ++i) total += Walk(*node.Child(i));
    return total;
}

void ReadLikeARenderer(TpkXML& doc) {
    TpkXMLNode* school = doc.FindNode(u"Szkola", true);
    school->FindChild(u"Doc", true);
    TpkXMLNode* block = school->FindChild(u"Sekcja", true);
    for (char16_t i = u'0'; i <= u'9'; ++i) block->FindChild(std::u16string(u"w") + i, true);
    doc.FindNode(u"xml", false);
    doc.FindNode(u"", false);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    TpkXML doc;
    bool result = false;
    try {
        result = doc.LoadFromBuffer(TpkXMLBuf(data, data + size));
    } catch (const XmlNestingTooDeep&) {
    }
    // Walk is recursive; the reader's own depth limit keeps it within the stack.
    volatile size_t sink = Walk(doc.Root);
    (void)sink;
    // The dump indents by depth, so deep inputs would spend the run writing spaces.
    if (size <= 2048) {
        volatile size_t dumped = DumpTree(doc, result).size();
        (void)dumped;
    }
    ReadLikeARenderer(doc);
    return 0;
}
