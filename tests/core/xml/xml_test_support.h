#pragma once
// Loading report text in a test: UTF-8 source text in, a parsed document out.
#include <string>
#include <string_view>

#include "pkxml.h"
#include "test_text.h"

inline TpkXMLBuf Bytes(std::string_view bytes) { return TpkXMLBuf(bytes.begin(), bytes.end()); }

// The tree holds UTF-16; assertions read better in UTF-8.
inline std::string U8(std::u16string_view text) { return WideToUtf8(text); }
inline std::u16string W(std::string_view utf8) { return Utf8ToWide(utf8); }

struct Loaded {
    TpkXML doc;
    bool result = false;
    explicit Loaded(std::string_view bytes) { result = doc.LoadFromBuffer(Bytes(bytes)); }
    TpkXMLNode& Top(int i) { return *doc.Root.Child(i); }
};
