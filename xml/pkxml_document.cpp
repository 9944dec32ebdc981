#include <bit>
#include <cstring>
#include <span>

#include "code_page.h"
#include "file_access.h"
#include "pkxml.h"
#include "pkxml_parser.h"

namespace {

std::u16string Utf16Le(std::span<const std::uint8_t> bytes) {
    std::u16string text(bytes.size() / 2, u'\0');  // an odd last byte is ignored
    if constexpr (std::endian::native == std::endian::little) {
        if (!text.empty()) std::memcpy(text.data(), bytes.data(), text.size() * 2);
    } else {
        for (size_t i = 0; i < text.size(); ++i)
            text[i] = static_cast<char16_t>(bytes[2 * i] | bytes[2 * i + 1] << 8);
    }
    return text;
}

bool LoadBytes(TpkXML& doc, std::span<const std::uint8_t> bytes) {
    doc.Root.Clear();
    if (bytes.size() < 2) return false;
    doc.HasBOM = bytes[0] == 0xFF && bytes[1] == 0xFE;
    if (doc.HasBOM) return ParseText(Utf16Le(bytes.subspan(2)), false, doc.Root);
    const std::string_view ansi(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    return ParseText(AnsiToWide(ansi), true, doc.Root);
}

std::span<const std::uint8_t> AsBytes(const std::string& data) {
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

TpkXMLNode* TpkXML::FindNode(std::u16string_view name, bool createIfMissing) {
    return Root.FindChild(name, createIfMissing);
}
