#pragma once
// An "Inne informacje" report of as many lines as asked: enough lines make a printout of many
// pages. ASCII, so the bytes are the same in every code page.
#include <string>

inline std::string LongReport(int lines) {
    std::string xml =
        "<?xml version=\"1.0\" encoding=\"windows-1250\"?>\r\n<Szkola>\r\n"
        "<Doc>Inne informacje</Doc>\r\n<Date>2026-01-22</Date>\r\n<Belfer>Sikora Pawel</Belfer>\r\n"
        "<Dotyczy>Dlugie sprawozdanie</Dotyczy>\r\n<Info>\r\n<IloscWierszy>" +
        std::to_string(lines) + "</IloscWierszy>\r\n";
    for (int i = 0; i < lines; ++i)
        xml += "<w" + std::to_string(i) + ">Wiersz numer " + std::to_string(i) +
               " sprawozdania o udziale uczniow w konkursach.</w" + std::to_string(i) + ">\r\n";
    return xml + "</Info>\r\n</Szkola>\r\n";
}
