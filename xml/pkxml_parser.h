#pragma once
// The single-pass reader that fills a document's root from its text.
#include <string>

class TpkXMLNode;

// Elements nested deeper than this end the load with XmlNestingTooDeep: the reader recurses
// once per level, and the stack must hold out under sanitizers and on small thread stacks too.
inline constexpr int kMaxNestingDepth = 4096;

// Reads the whole text into root's children. False at the first thing it cannot read, with
// what was built so far left in place. `inCodePage`: every character is known to be in
// Windows-1250 (the text came from 8-bit input), so trimming need not check.
bool ParseText(const std::u16string& text, bool inCodePage, TpkXMLNode& root);
