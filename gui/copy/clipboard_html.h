#pragma once
// The HTML put on the clipboard by the copy command, made safe to paste. A report's values
// reach the page verbatim, so the copied markup may name pictures, pages and files elsewhere,
// which a mail or office program would fetch when it is pasted. Patching the markup as text
// keeps missing what a parser reads differently, so the copy is parsed as HTML5 (gumbo) and
// the tree written out again with only the text and formatting that clipboard_rules.h allows.
// Bytes in, bytes out (UTF-8); no Qt here.
#include <string>
#include <string_view>

std::string SafeClipboardHtml(std::string_view html);
