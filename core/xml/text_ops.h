#pragma once
// The text rules of the reader: trimming through the code page and the four entities.
#include <string>
#include <string_view>

// As converting to Windows-1250, stripping the codes 0..32 at both ends and converting back:
// characters the code page lacks come out as '?'. `inCodePage` promises that every character
// already round-trips, which spares the check.
std::u16string TrimText(std::u16string_view text, bool inCodePage = false);

// Replaces every occurrence of pattern, matched without regard to case (as UpperKey matches).
std::u16string ReplaceText(std::u16string_view text, std::u16string_view pattern,
                           std::u16string_view replacement);

// &quot; &gt; &lt; &amp;, in that order, so "&amp;lt;" gives "&lt;".
std::u16string DecodeEntities(std::u16string text);
