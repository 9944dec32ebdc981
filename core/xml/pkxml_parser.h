#pragma once
// The single-pass reader that fills a document's root from its text.
#include <cstddef>
#include <optional>
#include <string>

#include "pkxml.h"

// Elements nested deeper than this end the load with XmlNestingTooDeep: the reader recurses
// once per level, and the stack must hold out under sanitizers and on small thread stacks too.
inline constexpr int kMaxNestingDepth = 4096;

// Where in the text the reader stopped, and why.
struct ParseStop {
    XmlBreakReason reason;
    std::size_t position;  // a character index into the text
    std::u16string element;
};

// Reads the whole text into root's children. False at the first thing it cannot read, with
// what was built so far left in place. `inCodePage`: every character is known to be in
// Windows-1250 (the text came from 8-bit input), so trimming need not check. `stop` is set at
// the first failure, and also when the text ends with an element, comment or CDATA section
// still open, which the reader tolerates.
bool ParseText(const std::u16string& text, bool inCodePage, TpkXMLNode& root, std::optional<ParseStop>& stop);
