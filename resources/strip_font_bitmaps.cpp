// ulnik-strip-font-bitmaps IN.ttf OUT.ttf: a copy of a TrueType font without its embedded
// bitmaps. Wine's Tahoma carries bitmap strikes for small sizes; the web view draws those
// instead of the outlines, with widths that break words apart ("k lasy"). Without them the
// page is drawn from the outlines, with the face's own metrics.
#include <cstdint>
#include <fstream>
#include <iostream>
#include <iterator>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

struct Table {
    std::string tag;
    std::uint32_t checksum;
    std::string data;
};

std::uint32_t Read32(const std::string& bytes, std::size_t at)
{
    if (at + 4 > bytes.size())
        throw std::runtime_error("the font file is cut short");
    return std::uint32_t(std::uint8_t(bytes[at])) << 24 | std::uint32_t(std::uint8_t(bytes[at + 1])) << 16 |
           std::uint32_t(std::uint8_t(bytes[at + 2])) << 8 | std::uint32_t(std::uint8_t(bytes[at + 3]));
}

void Put16(std::string& out, unsigned value)
{
    out += char(value >> 8 & 0xFF);
    out += char(value & 0xFF);
}

void Put32(std::string& out, std::uint32_t value)
{
    Put16(out, value >> 16);
    Put16(out, value & 0xFFFF);
}

std::vector<Table> TablesWithoutBitmaps(const std::string& font)
{
    static const std::set<std::string> kBitmapTables = {"EBDT", "EBLC", "EBSC", "BDF "};
    const unsigned count = Read32(font, 4) >> 16;
    std::vector<Table> tables;
    for (unsigned i = 0; i < count; ++i) {
        const std::size_t entry = 12 + 16 * std::size_t(i);
        const std::string tag = font.substr(entry, 4);
        const std::uint32_t offset = Read32(font, entry + 8), length = Read32(font, entry + 12);
        if (std::size_t(offset) + length > font.size())
            throw std::runtime_error("a table lies outside the font file");
        if (!kBitmapTables.count(tag))
            tables.push_back({tag, Read32(font, entry + 4), font.substr(offset, length)});
    }
    return tables;
}

// The table directory keeps the original tables' checksums; the tables themselves are unchanged.
std::string Assemble(std::uint32_t version, const std::vector<Table>& tables)
{
    const unsigned count = unsigned(tables.size());
    unsigned selector = 0;
    while ((2u << selector) <= count)
        ++selector;
    const unsigned searchRange = 16u << selector;
    std::string out;
    Put32(out, version);
    Put16(out, count);
    Put16(out, searchRange);
    Put16(out, selector);
    Put16(out, count * 16 - searchRange);
    std::string body;
    const std::size_t start = 12 + 16 * std::size_t(count);
    for (const Table& table : tables) {
        out += table.tag;
        Put32(out, table.checksum);
        Put32(out, std::uint32_t(start + body.size()));
        Put32(out, std::uint32_t(table.data.size()));
        body += table.data;
        body.append((4 - body.size() % 4) % 4, '\0');
    }
    return out + body;
}

}  // namespace

int main(int argc, char* argv[])
{
    if (argc != 3) {
        std::cerr << "usage: ulnik-strip-font-bitmaps IN.ttf OUT.ttf\n";
        return 1;
    }
    try {
        std::ifstream in(argv[1], std::ios::binary);
        const std::string font((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        if (!in && !in.eof())
            throw std::runtime_error("cannot read the font");
        const std::string stripped = Assemble(Read32(font, 0), TablesWithoutBitmaps(font));
        std::ofstream out(argv[2], std::ios::binary);
        out << stripped;
        out.close();
        if (!out)
            throw std::runtime_error("cannot write the font");
    } catch (const std::exception& e) {
        std::cerr << "ulnik-strip-font-bitmaps: " << argv[1] << ": " << e.what() << '\n';
        return 1;
    }
    return 0;
}
