#pragma once
// How the bytes of a report file become the reader's UTF-16 text.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

enum class TextEncoding : std::uint8_t { Windows1250, Utf16LE, Utf16BE, Utf8 };

struct DecodedText {
    std::u16string text;
    TextEncoding encoding = TextEncoding::Windows1250;
    std::size_t markSize = 0;  // bytes of the byte-order mark, 0 without one
    // UTF-8 whose last character the end of the file cut off: the text stops before it.
    bool cutCharacter = false;
};

// In this order: a UTF-16 LE, UTF-16 BE or UTF-8 byte-order mark decides; without one,
// well-formed UTF-8 holding at least one non-ASCII byte is UTF-8 unless an XML declaration at
// the very start names another encoding; everything else is Windows-1250. A last character
// cut off by the end of the file neither spoils UTF-8 nor counts as its non-ASCII byte.
DecodedText DecodeReportText(std::span<const std::uint8_t> bytes);

// The byte of the file where the text's character at `position` began.
std::size_t ByteOffsetOf(const DecodedText& decoded, std::size_t position);
