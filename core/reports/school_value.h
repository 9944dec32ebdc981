#pragma once
// Every renderer reads its report through these: the text of an element one, two or three
// levels below the top-level `Szkola`, as Windows-1250 text. Names match without regard to
// case; a missing element reads as empty text, and the tree is left as it was.
#include <initializer_list>
#include <string>
#include <string_view>

class TpkXML;

std::string SchoolValue(std::string_view name, TpkXML& document);
std::string SchoolValue2(std::string_view first, std::string_view second, TpkXML& document);
std::string SchoolValue3(std::string_view first, std::string_view second, std::string_view third,
                         TpkXML& document);

// The text of the element one level below `Szkola` as the tree holds it, for output that can
// carry every character; empty when missing.
std::u16string SchoolText(std::string_view name, TpkXML& document);
std::u16string SchoolText(std::initializer_list<std::string_view> path, TpkXML& document);
