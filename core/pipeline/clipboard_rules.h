#pragma once
// What the copied HTML may keep, as allow-lists: anything not named here goes. The rules are
// kept apart from the code that applies them so that every edition of the program sanitises
// a copy alike, whatever parser it has (here gumbo's; a browser's own DOMParser elsewhere):
//
// - The copy is parsed as an HTML5 fragment in a <body> and written out again from the tree,
//   never patched as text: what the sanitiser saw is what any later parser reads.
// - An element is kept only in the HTML namespace and only if kElements names it, with the
//   attributes kAttributes names. kHiddenElements and SVG go with everything inside them.
//   kVerbatimElements are written as <pre>. Every other element (MathML and <noscript>
//   included: the view, running no scripts, shows their text) goes, its content kept.
// - Text and attribute values are written escaped (& < > and, in attributes, "), a no-break
//   space as &nbsp;; comments, doctypes and processing instructions go. No element whose
//   content a parser reads as raw text is ever written.
// - A style attribute is read as declarations. One is kept when kCssProperties names its
//   property and its value has no backslash (an escape), no comment, none of @ & < > { } ;,
//   no unterminated or multi-line string, no unbalanced parenthesis, and no "(" but right
//   after one of kCssFunctions. Whatever fetches in CSS (url(), image-set(), src()...) is a
//   function, so none survives, however it is spelt.
// No Qt here.
#include <array>
#include <string_view>

namespace clipboard_rules {

// The formatting a copy of a report page is made of.
inline constexpr auto kElements = std::to_array<std::string_view>({
    "a", "abbr", "acronym", "address", "b", "bdi", "bdo", "big", "blockquote", "br", "caption", "center",
    "cite", "code", "col", "colgroup", "dd", "del", "dfn", "div", "dl", "dt", "em", "font", "h1", "h2", "h3",
    "h4", "h5", "h6", "hr", "i", "ins", "kbd", "li", "mark", "nobr", "ol", "p", "pre", "q", "rp", "rt",
    "ruby", "s", "samp", "small", "span", "strike", "strong", "sub", "sup", "table", "tbody", "td", "tfoot",
    "th", "thead", "tr", "tt", "u", "ul", "var", "wbr",
});

// Of those, the ones with no content and no end tag.
inline constexpr auto kVoidElements = std::to_array<std::string_view>({"br", "col", "hr", "wbr"});

// Left out whole: a program, a style sheet, a frame, a player, a picture, or content the view
// never shows.
inline constexpr auto kHiddenElements = std::to_array<std::string_view>({
    "applet", "audio", "datalist", "embed", "frame", "frameset", "head", "iframe", "noembed", "noframes",
    "object", "script", "select", "style", "svg", "template", "title", "video",
});

// Their text shows as written; a parser reads most of them as raw text, so they go out as <pre>.
inline constexpr auto kVerbatimElements = std::to_array<std::string_view>({"listing", "plaintext", "textarea", "xmp"});

// Of every kept element. None names another resource or runs anything.
inline constexpr auto kAttributes = std::to_array<std::string_view>({
    "align", "bgcolor", "border", "cellpadding", "cellspacing", "class", "clear", "color", "colspan", "dir",
    "face", "frame", "height", "lang", "noshade", "nowrap", "reversed", "rowspan", "rules", "scope", "size",
    "span", "start", "style", "title", "type", "valign", "value", "width",
});

// Text, colour, box and table formatting.
inline constexpr auto kCssProperties = std::to_array<std::string_view>({
    "background", "background-color", "border", "border-bottom", "border-bottom-color", "border-bottom-style",
    "border-bottom-width", "border-collapse", "border-color", "border-left", "border-left-color",
    "border-left-style", "border-left-width", "border-right", "border-right-color", "border-right-style",
    "border-right-width", "border-spacing", "border-style", "border-top", "border-top-color",
    "border-top-style", "border-top-width", "border-width", "caption-side", "color", "direction",
    "empty-cells", "font", "font-family", "font-kerning", "font-size", "font-stretch", "font-style",
    "font-variant", "font-variant-caps", "font-variant-ligatures", "font-weight", "height", "letter-spacing",
    "line-height", "list-style", "list-style-position", "list-style-type", "margin", "margin-bottom",
    "margin-left", "margin-right", "margin-top", "max-height", "max-width", "min-height", "min-width",
    "overflow-wrap", "padding", "padding-bottom", "padding-left", "padding-right", "padding-top",
    "table-layout", "text-align", "text-align-last", "text-decoration", "text-decoration-color",
    "text-decoration-line", "text-decoration-style", "text-decoration-thickness", "text-indent",
    "text-transform", "text-underline-offset", "unicode-bidi", "vertical-align", "white-space", "width",
    "word-break", "word-spacing", "word-wrap",
});

// Colours: the only functions a kept declaration may call.
inline constexpr auto kCssFunctions = std::to_array<std::string_view>({"hsl", "hsla", "rgb", "rgba"});

}  // namespace clipboard_rules
