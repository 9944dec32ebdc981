// ulnik-render --list --csv: the list of received reports as a spreadsheet.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

#include "list_spreadsheet.h"
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

// What a run of --list or --list --csv comes to; rows are "teacher - type - concerns" in order.
struct ListRun {
    int exitCode;
    std::string err;
    std::vector<std::string> rows;
};

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    for (std::size_t start = 0, end; start < text.size(); start = end + 2) {
        end = std::min(text.find("\r\n", start), text.size());
        lines.push_back(text.substr(start, end - start));
    }
    return lines;
}

ListRun RunAsPage(const std::string& folder) {
    const ToolRun run = RunTool("--list " + folder);
    std::vector<std::string> rows;
    for (const std::string& line : Lines(run.out))
        if (line.starts_with("    - ") && line.ends_with("<br>"))
            rows.push_back(Utf8(line.substr(6, line.size() - 10)));
    return {run.exitCode, run.err, rows};
}

ListRun RunAsSpreadsheet(const std::string& folder) {
    const ToolRun run = RunTool("--list --csv " + folder);
    std::vector<std::string> rows;
    const std::vector<std::string> lines = Lines(run.out);
    for (std::size_t i = 1; i < lines.size(); ++i) {  // after the header
        std::vector<std::string> cells;
        for (std::size_t start = 0, end = 0; end != std::string::npos; start = end + 1) {
            end = lines[i].find(';', start);
            cells.push_back(lines[i].substr(start, end - start));
        }
        rows.push_back(cells.at(1) + " - " + cells.at(2) + (cells.at(3).empty() ? "" : " - " + cells.at(3)));
    }
    return {run.exitCode, run.err, rows};
}

std::string Report(const std::string& belfer, const std::string& doc, const std::string& fields = "") {
    return Cp1250("<Szkola><Belfer>" + belfer + "</Belfer><Doc>" + doc + "</Doc>" + fields + "</Szkola>");
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
                      "<Przedmiot>=HYPERLINK(\"http://a\")</Przedmiot></Szkola>");
    const ToolRun run = RunTool("--list --csv " + in.path().string());
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_TRUE(run.out.starts_with("\xEF\xBB\xBFPlik;Nauczyciel;Rodzaj;Dotyczy;Data\r\n"));
    EXPECT_TRUE(run.out.ends_with(";2026-01-19\r\n"));
    EXPECT_EQ(RunTool("--list --csv -o " + out.PathOf("lista.csv") + " " + in.path().string()).exitCode, 0);
    EXPECT_EQ(Slurp(out.PathOf("lista.csv")), run.out);
    EXPECT_EQ(ReadBackWithPython(out.PathOf("lista.csv")),
              "[[\"Plik\", \"Nauczyciel\", \"Rodzaj\", \"Dotyczy\", \"Data\"], "
              "[\"b.xml\", \"Adam Bąk\", \"Realizacja programu nauczania\", \"fizyka - 1a; 1b\", \"\"], "
              "[\"c.xml\", \"Celina Nowak\", \"Uzasadnienie Ndst\", \"'=HYPERLINK(\\\"http://a\\\")\", \"\"], "
              "[\"a.xml\", \"Zofia Šimońska; \\\"Ala\\\"\", \"Inne\", \"Wycieczka\\r\\nna dwa dni\", \"2026-01-19\"]]\n");
}

// A cell a spreadsheet program would evaluate is made text with a leading apostrophe, in every
// column; the rest stay as they are.
TEST(ListSpreadsheet, NoCellReadsAsAFormula) {
    const struct {
        std::string text;
        std::string cell;
    } cases[] = {
        {"=HYPERLINK(\"http://a\")", "\"'=HYPERLINK(\"\"http://a\"\")\""},
        {"+1+1", "\"'+1+1\""},
        {"-2+3", "\"'-2+3\""},
        {"@SUM(1)", "\"'@SUM(1)\""},
        {"\t=1", "\"'\t=1\""},
        {"\r=1", "\"'\r=1\""},
        {"a=1+2", "a=1+2"},
        {"Anna - Nowak", "Anna - Nowak"},
        {"", ""},
    };
    for (const auto& c : cases) {
        const std::string sheet = Spreadsheet({ListRow{"/x/a.xml", "", "", c.text, c.text, c.text}});
        EXPECT_EQ(sheet.substr(sheet.find("\r\n") + 2), "a.xml;" + c.cell + ";;" + c.cell + ";" + c.cell + "\r\n")
            << testing::PrintToString(c.text);
    }
    const std::string named = Spreadsheet({ListRow{"/x/=cmd.xml", "", "", "a", "", ""}});
    EXPECT_TRUE(named.ends_with("\r\n\"'=cmd.xml\";a;;;\r\n")) << named;
}

// One reading of the folder decides both forms: the same exit code, messages, rows and order.
TEST(ListSpreadsheet, EveryOutcomeIsTheLists) {
    const auto good = [](const TempDir& dir) {
        dir.Write("1.xml", Report("Zieliński Jan", "Sprawozdanie dyrektora"));
        dir.Write("2.xml", Report("bielecka Ola", "Inne informacje", "<Dotyczy>wycieczki</Dotyczy>"));
        dir.Write("3.xml", Report("Adamski Piotr", "Sprawozdanie dyrektora"));
        dir.Write("notatka.txt", "not a report");
    };
    const std::vector<std::string> goodRows = {"Adamski Piotr - Sprawozdanie dyrektora",
                                               "bielecka Ola - Inne - wycieczki",
                                               "Zieliński Jan - Sprawozdanie dyrektora"};
    const auto unreadable = [](const TempDir& dir) {
        ::symlink(dir.PathOf("gone").c_str(), dir.PathOf("dangling.xml").c_str());
        ::symlink("loop.xml", dir.PathOf("loop.xml").c_str());
    };
    const struct {
        const char* name;
        std::function<void(const TempDir&)> fill;
        int exitCode;
        std::vector<std::string> rows;
    } cases[] = {
        {"reports and other files", good, 0, goodRows},
        {"no reports", [](const TempDir& dir) { dir.Write("a.txt", "x"); }, 5, {}},
        {"a file too large to be a report",
         [&](const TempDir& dir) {
             good(dir);
             dir.WriteSparse("wielki.xml", 17 << 20);
         },
         6, {}},
        {"a foreign file",
         [&](const TempDir& dir) {
             good(dir);
             dir.Write("obcy.xml", "<Inny/>");
         },
         6, {}},
        {"files that cannot be read",
         [&](const TempDir& dir) {
             good(dir);
             unreadable(dir);
         },
         0, goodRows},
        {"nothing readable", unreadable, 0, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir dir;
        c.fill(dir);
        const ListRun page = RunAsPage(dir.path().string());
        EXPECT_EQ(page.exitCode, c.exitCode) << page.err;
        EXPECT_EQ(page.rows, c.rows);
        const ListRun sheet = RunAsSpreadsheet(dir.path().string());
        EXPECT_EQ(sheet.exitCode, page.exitCode);
        EXPECT_EQ(sheet.err, page.err);
        EXPECT_EQ(sheet.rows, page.rows);
    }
}
