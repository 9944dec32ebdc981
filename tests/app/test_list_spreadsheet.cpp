// ulnik-render --list --csv: the list of received reports as a spreadsheet.
#include <gtest/gtest.h>

#include <cstdio>

#include "temp_dir.h"
#include "test_text.h"
#include "tool_run.h"

namespace {

// The spreadsheet as Python's csv module reads it: one JSON list of rows.
std::string ReadBackWithPython(const std::string& sheet) {
    const std::string command =
        "python3 -c \"import csv, json, sys; "
        "print(json.dumps(list(csv.reader(open(sys.argv[1], encoding='utf-8-sig', newline=''), delimiter=';')), "
        "ensure_ascii=False))\" " + sheet;
    std::string rows;
    FILE* python = ::popen(command.c_str(), "r");
    if (!python) return "python3 cannot be started";
    for (int c; (c = std::fgetc(python)) != EOF;) rows += static_cast<char>(c);
    ::pclose(python);
    return rows;
}

}  // namespace

TEST(ListSpreadsheet, ASpreadsheetProgramReadsEveryCharacterBack) {
    TempDir in, out;
    // One file UTF-8, the other Windows-1250; rows follow the list, not the files.
    in.Write("a.xml", "<Szkola><Belfer>Zofia Šimońska; \"Ala\"</Belfer><Doc>Inne informacje</Doc>"
                      "<Dotyczy>Wycieczka\r\nna dwa dni</Dotyczy><Date>2026-01-19</Date></Szkola>");
    in.Write("b.xml", Cp1250("<Szkola><Belfer>Adam Bąk</Belfer><Doc>Realizacja programu z przedmiotu nauczania</Doc>"
                             "<Przedmiot>fizyka</Przedmiot><Klasy>1a; 1b</Klasy></Szkola>"));
    in.Write("c.xml", "<Szkola><Belfer>Celina Nowak</Belfer><Doc>Uzasadnienie oceny niedostatecznej</Doc>"
                      "<Przedmiot>chemia</Przedmiot></Szkola>");
    const ToolRun run = RunTool("--list --csv " + in.path().string());
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_TRUE(run.out.starts_with("\xEF\xBB\xBFPlik;Nauczyciel;Rodzaj;Dotyczy;Data\r\n"));
    EXPECT_TRUE(run.out.ends_with(";2026-01-19\r\n"));
    EXPECT_EQ(RunTool("--list --csv -o " + out.PathOf("lista.csv") + " " + in.path().string()).exitCode, 0);
    EXPECT_EQ(Slurp(out.PathOf("lista.csv")), run.out);
    EXPECT_EQ(ReadBackWithPython(out.PathOf("lista.csv")),
              "[[\"Plik\", \"Nauczyciel\", \"Rodzaj\", \"Dotyczy\", \"Data\"], "
              "[\"b.xml\", \"Adam Bąk\", \"Realizacja programu nauczania\", \"fizyka - 1a; 1b\", \"\"], "
              "[\"c.xml\", \"Celina Nowak\", \"Uzasadnienie Ndst\", \"chemia\", \"\"], "
              "[\"a.xml\", \"Zofia Šimońska; \\\"Ala\\\"\", \"Inne\", \"Wycieczka\\r\\nna dwa dni\", \"2026-01-19\"]]\n");
}

TEST(ListSpreadsheet, RefusesWhatTheListRefuses) {
    TempDir dir;
    const ToolRun none = RunTool("--list --csv " + dir.path().string());
    EXPECT_EQ(none.exitCode, 5);
    EXPECT_EQ(none.err, "Brak plików z danymi we wskazanym folderze.\nProgram nie ma co przetwarzać.\n");
    dir.Write("a.xml", ReadFileExclusive(Sample("z_karty.xml")));
    dir.Write("obcy.xml", "<Inny/>");
    const ToolRun damaged = RunTool("--list --csv " + dir.path().string());
    EXPECT_EQ(damaged.exitCode, 6);
    EXPECT_EQ(damaged.err, RunTool("--list " + dir.path().string()).err);
    EXPECT_EQ(damaged.out, "");
}
