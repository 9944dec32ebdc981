// ulnik-make-page-font IN.ttf OUT.ttf: the copy of Wine's Tahoma that pages are shown and printed
// with, laid out as Windows lays out Tahoma.
// - No embedded bitmaps: the web view draws Wine's small-size strikes instead of the outlines,
//   with widths that break words apart ("k lasy").
// - No USE_TYPO_METRICS flag: with it the web view spaces lines by the typographic metrics
//   (13 px for 10 pt), so the accents of capitals hide under the line above and every printed
//   page ends with a sliver of the next page's first line. Windows spaces Tahoma by its win
//   metrics (16 px), and so does the web view without the flag.
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

constexpr std::size_t kFsSelectionOffset = 62;  // within the OS/2 table
constexpr unsigned kUseTypoMetrics = 1u << 7;

std::uint32_t TableChecksum(const std::string& data)
{
    std::string padded = data;
    padded.append((4 - padded.size() % 4) % 4, '\0');
    std::uint32_t sum = 0;
    for (std::size_t at = 0; at < padded.size(); at += 4)
        sum += Read32(padded, at);
    return sum;
}

void ClearUseTypoMetrics(Table& os2)
{
    if (os2.data.size() < kFsSelectionOffset + 2)
        throw std::runtime_error("the OS/2 table is cut short");
    os2.data[kFsSelectionOffset + 1] = char(std::uint8_t(os2.data[kFsSelectionOffset + 1]) & ~kUseTypoMetrics);
    os2.checksum = TableChecksum(os2.data);
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

// The table directory keeps the original tables' checksums but for the tables changed here.
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
        std::cerr << "usage: ulnik-make-page-font IN.ttf OUT.ttf\n";
        return 1;
    }
    try {
        std::ifstream in(argv[1], std::ios::binary);
        const std::string font((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        if (!in && !in.eof())
            throw std::runtime_error("cannot read the font");
        std::vector<Table> tables = TablesWithoutBitmaps(font);
        for (Table& table : tables)
            if (table.tag == "OS/2")
                ClearUseTypoMetrics(table);
        std::ofstream out(argv[2], std::ios::binary);
        out << Assemble(Read32(font, 0), tables);
        out.close();
        if (!out)
            throw std::runtime_error("cannot write the font");
    } catch (const std::exception& e) {
        std::cerr << "ulnik-make-page-font: " << argv[1] << ": " << e.what() << '\n';
        return 1;
    }
    return 0;
}
