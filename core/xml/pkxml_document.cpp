#include <span>

#include "file_access.h"
#include "pkxml.h"
#include "pkxml_parser.h"
#include "text_encoding.h"

namespace {

XmlBreak Locate(const ParseStop& stop, const DecodedText& decoded) {
    const std::u16string_view before = std::u16string_view(decoded.text).substr(0, stop.position);
    const size_t lastBreak = before.rfind(u'\n');
    const size_t lineStart = lastBreak == std::u16string_view::npos ? 0 : lastBreak + 1;
    size_t lines = 1;
    for (char16_t c : before)
        if (c == u'\n') ++lines;
    return {stop.reason, lines, before.size() - lineStart + 1, ByteOffsetOf(decoded, stop.position), stop.element};
}

bool LoadBytes(TpkXML& doc, std::span<const std::uint8_t> bytes) {
    doc.Root.Clear();
    doc.Break.reset();
    if (bytes.size() < 2) return false;
    const DecodedText decoded = DecodeReportText(bytes);
    doc.HasBOM = decoded.markSize > 0;
    std::optional<ParseStop> stop;
    const bool inCodePage = decoded.encoding == TextEncoding::Windows1250;
    const bool result = ParseText(decoded.text, inCodePage, doc.Root, stop);
    // Where the reader stopped says more (which element was left open, say); the lost
    // character is the break only of a text the reader found whole.
    if (!stop && decoded.cutCharacter) stop = ParseStop{XmlBreakReason::CharacterCut, decoded.text.size(), {}};
    if (stop) doc.Break = Locate(*stop, decoded);
    return result;
}

std::span<const std::uint8_t> AsBytes(std::string_view data) {
    return {reinterpret_cast<const std::uint8_t*>(data.data()), data.size()};
}

}  // namespace

TpkXML::TpkXML() = default;

bool TpkXML::LoadFromFile(const std::string& fileName) {
    if (!FileExists(fileName)) return false;
    const std::string bytes = ReadFileExclusive(fileName);
    if (bytes.empty()) return false;  // as an empty stream: the tree stays as it was
    return LoadBytes(*this, AsBytes(bytes));
}

bool TpkXML::LoadFromStream(std::istream& stream) {
    std::string bytes;
    char chunk[65536];
    while (stream.read(chunk, sizeof chunk) || stream.gcount() > 0)
        bytes.append(chunk, static_cast<size_t>(stream.gcount()));
    if (bytes.empty()) return false;
    return LoadBytes(*this, AsBytes(bytes));
}

bool TpkXML::LoadFromBuffer(const TpkXMLBuf& buffer) { return LoadBytes(*this, buffer); }

bool TpkXML::LoadFromMemory(std::string_view bytes) { return LoadBytes(*this, AsBytes(bytes)); }

TpkXMLNode* TpkXML::FindNode(std::u16string_view name, bool createIfMissing) {
    return Root.FindChild(name, createIfMissing);
}
