#pragma once
// The HTML put on the clipboard by the copy command, made safe to paste. A report's values
// reach the page verbatim, so the copied markup may name pictures, pages and files elsewhere,
// which a mail or office program would fetch when it is pasted. What is kept: the text and
// its formatting. What goes: every reference to another resource (src, href, srcset and the
// like, CSS url() and image-set()), the elements that only load or run something (script,
// style, link, meta, base, iframe, frame, object, embed, img and the like), comments, and
// event attributes. Bytes in, bytes out (UTF-8); no Qt here.
#include <string>
#include <string_view>

std::string SafeClipboardHtml(std::string_view html);
