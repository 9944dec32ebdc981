#pragma once
// A plain-text picture of a loaded tree, one line per node, for looking at what the reader made
// of a file. Texts appear as JSON strings in UTF-8, so control characters and lone surrogates
// stay visible.
#include <string>

#include "pkxml.h"

std::string DumpTree(const TpkXML& doc, bool loadResult);

// A JSON string literal of the text, quotes included.
std::string JsonString(std::u16string_view text);
