// The school's pages of a folder: the classification summary's figures, table, spreadsheet and
// problems, and the combined report's order and bodies, from a generated folder of known figures.
#include <gtest/gtest.h>

#include <algorithm>

#include <sys/stat.h>

#include "classification_figures.h"
#include "exit_codes.h"
#include "combined_report.h"
#include "file_verdict.h"
#include "hundredths.h"
#include "school_page_html.h"
#include "fixed_locale.h"
#include "polish_order.h"
#include "recording_shell.h"
#include "school_pages.h"
#include "summary_spreadsheet.h"
#include "temp_dir.h"
#include "test_text.h"

namespace {

struct Pupil {
    std::string name, detail;  // detail: the average or the subjects
};

std::string Numbered(const std::vector<std::string>& names) {
    std::string xml;
    for (std::size_t i = 0; i < names.size(); ++i)
        xml += "<Uczen" + std::to_string(i + 1) + ">" + names[i] + "</Uczen" + std::to_string(i + 1) + ">";
    return xml;
}

std::string WithChild(const std::vector<Pupil>& pupils, const std::string& child) {
    std::vector<std::string> names;
    for (const Pupil& p : pupils) names.push_back(p.name + "<" + child + ">" + p.detail + "</" + child + ">");
    return Numbered(names);
}

struct Classification {
    std::string className, teacher, date, classified;
    std::vector<std::string> fullAttendance;
    std::vector<Pupil> distinctions, failGrades;
    std::string Xml() const {
        return Cp1250("<Szkola><Doc>Klasyfikacja klasy</Doc><Date>" + date + "</Date><Belfer>" + teacher +
                      "</Belfer><Klasa>" + className + "</Klasa><Klasyfikowanych>" + classified +
                      "</Klasyfikowanych><Frekwencja><IleOsob>" + std::to_string(fullAttendance.size()) +
                      "</IleOsob>" + Numbered(fullAttendance) + "</Frekwencja><Pasek><IleOsob>" +
                      std::to_string(distinctions.size()) + "</IleOsob>" + WithChild(distinctions, "Srednia") +
                      "</Pasek><Ndst><IleOsob>" + std::to_string(failGrades.size()) + "</IleOsob>" +
                      WithChild(failGrades, "Przedmioty") + "</Ndst></Szkola>");
    }
};

struct Behaviour {
    std::string className, teacher, classified;
    std::string exemplary;               // the count as written
    std::vector<std::string> lowered;    // one case each: the persons
    int exemplaryPupils = -1;            // the records written; the count's own when -1
    std::string Xml() const {
        const int pupils = exemplaryPupils >= 0 ? exemplaryPupils : std::stoi(exemplary);
        std::string cases;
        for (std::size_t i = 0; i < lowered.size(); ++i) {
            const std::string tag = "Uzasadnienie" + std::to_string(i + 1);
            cases += "<" + tag + "><Osoba>" + lowered[i] + "</Osoba><Ocena>nieodpowiednie</Ocena>"
                     "<IloscWierszy>1</IloscWierszy><Wiersz0>Sp\xC3\xB3\xC5\xBAnienia.</Wiersz0></" + tag + ">";
        }
        return Cp1250("<Szkola><Doc>Klasyfikacja klasy z zachowania</Doc><Date>2026-01-22</Date><Belfer>" +
                      teacher + "</Belfer><Klasa>" + className + "</Klasa><Klasyfikowanych>" + classified +
                      "</Klasyfikowanych><Wzorowi><IleOsob>" + exemplary + "</IleOsob>" +
                      Numbered(std::vector<std::string>(static_cast<std::size_t>(pupils), "Wzorowy")) +
                      "</Wzorowi><Obnizone><Ilosc>" +
                      std::to_string(lowered.size()) + "</Ilosc>" + cases +
                      "</Obnizone><Uwagi><IloscWierszy>0</IloscWierszy></Uwagi></Szkola>");
    }
};

// Six classes with known figures: 3b has no behaviour report, 10a two classification reports
// (the later one counts) and a behaviour report that classified one pupil fewer, 2a's number
// classified is "brak", 4c's exemplary pupils are counted in hexadecimal; one damaged and one
// foreign file.
class SchoolFolder : public ::testing::Test {
protected:
    SchoolFolder() {
        Write("1a.xml", Classification{"1a", "Nowak Anna", "2026-01-20", "25", {"Ala", "Ola"},
                                       {{"Ewa Żak", "510"}, {"Jan Bąk", "475"}, {"Iza Cis", "480"}},
                                       {{"Tomek", "matematyka, fizyka"}}}.Xml());
        Write("1a-z.xml", Behaviour{"1a", "Nowak Anna", "25", "4", {"Adam, Ewa"}}.Xml());
        Write("2a.xml", Classification{"2a", "Łukasiewicz Jan", "2026-01-21", "brak", {"Kuba"},
                                       {{"Łucja Wąs", "500"}}, {{"Piotr", "Matematyka"}, {"Paweł", "chemia"}}}.Xml());
        Write("2a-z.xml", Behaviour{"2a", "Łukasiewicz Jan", "26", "2", {}}.Xml());
        Write("3b.xml", Classification{"3b", "Cichy Olga", "2026-01-21", "20", {}, {}, {}}.Xml());
        Write("10a-old.xml", Classification{"10a", "Zych Ewa", "2026-01-10", "30", {"a", "b", "c", "d"}, {}, {}}.Xml());
        Write("10a-new.xml", Classification{"10a", "Zych Ewa", "2026-01-20", "31", {"Ula"},
                                            {{"Ćwik Ada", "505"}, {"Bury Olek", "4"}}, {}}.Xml());
        Write("10a-z.xml", Behaviour{"10a", "Zych Ewa", "30", "5", {"Ola", "Piotr, Paweł, Gaweł"}}.Xml());
        Write("2b.xml", Classification{"2b", "Bąk Maria", "2026-01-22", "22", {}, {}, {{"Zenon", "MATEMATYKA"}}}.Xml());
        Write("2b-z.xml", Behaviour{"2b", "Bąk Maria", "22", "1", {}}.Xml());
        Write("4c.xml", Classification{"4c", "Lis Ewa", "2026-01-22", "24", {"Nina"}, {}, {}}.Xml());
        Write("4c-z.xml", Behaviour{"4c", "Lis Ewa", "24", "x10", {}, 16}.Xml());
        Write("zepsuty.xml", "\x01\x02 nie XML");
        Write("obcy.xml", "<Szkola><Doc>Co\xB6 innego</Doc></Szkola>");
        Write("program.xml", Cp1250("<Szkola><Doc>Realizacja programu z przedmiotu nauczania</Doc><Belfer>Bąk Maria"
                                    "</Belfer><Przedmiot>fizyka</Przedmiot><Klasy>2b</Klasy><Ogolne><IloscWierszy>1"
                                    "</IloscWierszy><w0>Zrealizowano.</w0></Ogolne><Sukcesy><IloscWierszy>0</IloscWierszy></Sukcesy>"
                                    "<Wnioski><IloscWierszy>0</IloscWierszy></Wnioski></Szkola>"));
        state.PageFilePath = out.PathOf("Temp.htm");
    }
    void Write(const std::string& name, const std::string& bytes) { folder.Write(name, bytes); }

    SchoolFigures Figures() {
        FolderReports reports = ReadFolderReports(folder.path().string());
        return GatherFigures(reports);
    }
    std::string Page(SchoolPageKind kind) {
        SchoolPages pages(state, shell, locale, &shell);
        outcome = pages.Build(kind, folder.path().string());
        std::string text;
        for (const std::string& line : state.ThePage) text += Utf8(line) + "\n";
        return text;
    }

    TempDir folder, out;
    ProgramState state;
    RecordingShell shell;
    FixedLocale locale;
    SchoolPageOutcome outcome;
};

// A figure as written, "?" after one that reads as no number, "=N" after one read in another form.
std::string Cells(const ClassRow& row) {
    std::string cells = row.className + "|" + row.teacher;
    for (const Figure* f : {&row.classified, &row.fullAttendance, &row.distinctions, &row.failGrades, &row.exemplary,
                            &row.lowered}) {
        if (!f->present) {
            cells += "|-";
            continue;
        }
        cells += "|" + f->written;
        if (f->Doubtful()) cells += f->value ? "=" + std::to_string(*f->value) : "?";
    }
    return cells;
}

TEST_F(SchoolFolder, EveryClassRowAndTheSumsOfWholeNumbers) {
    const SchoolFigures figures = Figures();
    std::vector<std::string> rows;
    for (const ClassRow& row : figures.classes) rows.push_back(Cells(row));
    EXPECT_EQ(rows, (std::vector<std::string>{
                        "1A|Nowak Anna|25|2|3|1|4|2",
                        "2A|Łukasiewicz Jan|brak?|1|1|2|2|0",
                        "2B|Bąk Maria|22|0|0|1|1|0",
                        "3B|Cichy Olga|20|0|0|0|-|-",
                        "4C|Lis Ewa|24|1|0|0|x10=16|0",
                        "10A|Zych Ewa|31|1|2|0|5|4",
                    }));
    const Totals& t = figures.totals;
    EXPECT_EQ((std::vector<int64_t>{t.classified, t.fullAttendance, t.distinctions, t.failGrades, t.exemplary, t.lowered}),
              (std::vector<int64_t>{122, 5, 6, 4, 28, 6}));
    EXPECT_TRUE(figures.Doubtful());
}

// A share's part and whole come from the same classes: 2a, whose number classified is no
// number, stands outside the classification's base with all its counts; the behaviour base is
// the classes that sent a behaviour report (2a's through the number that report gives).
TEST_F(SchoolFolder, EachShareIsTakenOfItsOwnBase) {
    const Totals t = Figures().totals;
    EXPECT_EQ(t.classificationBase.pupils, 122);
    EXPECT_EQ(t.classificationBase.classes, 5u);
    EXPECT_EQ(t.classificationBase.outside, std::vector<std::string>{"2A"});
    EXPECT_EQ((std::vector<int64_t>{t.fullAttendanceInBase, t.distinctionsInBase, t.failGradesInBase}),
              (std::vector<int64_t>{4, 5, 2}));
    EXPECT_EQ(t.behaviourBase.pupils, 25 + 26 + 22 + 24 + 31);
    EXPECT_EQ(t.behaviourBase.classes, 5u);
    EXPECT_EQ((std::vector<int64_t>{t.exemplaryInBase, t.loweredInBase}), (std::vector<int64_t>{28, 6}));
}

TEST_F(SchoolFolder, RankingSubjectsAndProblems) {
    const SchoolFigures figures = Figures();
    std::vector<std::string> ranked;
    for (const RankedPupil& p : figures.ranked) ranked.push_back(p.pupil + " " + p.className + " " + p.average.written);
    EXPECT_EQ(ranked, (std::vector<std::string>{"Ewa Żak 1A 510", "Ćwik Ada 10A 505", "Łucja Wąs 2A 500",
                                                "Iza Cis 1A 480", "Jan Bąk 1A 475", "Bury Olek 10A 4"}));
    std::vector<std::string> subjects;
    for (const SubjectFailures& s : figures.failuresBySubject) {
        std::string who;
        for (const std::string& p : s.pupils) who += " " + p;
        subjects.push_back(s.subject + ":" + who);
    }
    EXPECT_EQ(subjects, (std::vector<std::string>{"matematyka: Tomek (1A) Piotr (2A) Zenon (2B)", "chemia: Paweł (2A)",
                                                  "fizyka: Tomek (1A)"}));
    EXPECT_EQ(figures.problems, (std::vector<std::string>{
                            "Klasa 3B: brak sprawozdania „Klasyfikacja klasy z zachowania” (jest „Klasyfikacja klasy”).",
                            "Klasa 10A: więcej niż jedno sprawozdanie „Klasyfikacja klasy”: 10a-old.xml (2026-01-10), "
                            "10a-new.xml (2026-01-20); użyto 10a-new.xml (późniejsza data).",
                            "Klasa 10A: liczba klasyfikowanych w „Klasyfikacja klasy” (31) różni się od liczby w "
                            "„Klasyfikacja klasy z zachowania” (30); użyto 31.",
                        }));
}

TEST_F(SchoolFolder, SummaryPageIsWrittenWithTheLeftOutFilesNamed) {
    const std::string page = Page(SchoolPageKind::Summary);
    EXPECT_EQ(outcome.outcome, ListOutcome::Shown);
    EXPECT_EQ(ExitCodeOf(outcome), 6);
    EXPECT_EQ(shell.navigations, std::vector<std::string>{state.PageFilePath});
    EXPECT_TRUE(shell.messages.empty());
    for (const char* expected :
         {"<tr><td><b>Razem</b></td><td></td><td><b>122</b></td><td><b>5</b></td><td><b>6</b></td><td><b>4</b></td>"
          "<td><b>28</b></td><td><b>6</b></td></tr>",
          "<tr><td><b>Udział</b></td><td></td><td></td><td>3,3%</td><td>4,1%</td><td>1,6%</td><td>21,9%</td>"
          "<td>4,7%</td></tr>",
          "Udziały frekwencji 100%, wyróżnień i ocen niedostatecznych liczone od 122 uczniów 5 klas, które "
          "przysłały „Klasyfikacja klasy”; bez klas 2A (liczba klasyfikowanych nie jest liczbą).",
          "Udziały zachowania wzorowego i obniżonego liczone od 128 uczniów 5 klas, które przysłały "
          "„Klasyfikacja klasy z zachowania”.",
          "<td>brak<sup>*</sup></td>", "<td>x10 &rarr; 16<sup>*</sup></td>", "<li>Ewa Żak (1A) &ndash; 5,10</li>",
          "<li>Bury Olek (10A)</li>", "<li>obcy.xml: nie jest sprawozdaniem: nieznany rodzaj sprawozdania",
          "<li>zepsuty.xml: nie jest sprawozdaniem: brak rodzaju sprawozdania (Doc)</li>",
          "aria-label=\"Wyróżnienia\"", "<caption>Wyróżnienia</caption><tr><th>Klasa</th><th>Wyróżnienia</th></tr>"
          "<tr><td>1A</td><td>3</td></tr>", "<thead><tr><th>Klasa</th>", "Folder: "})
        EXPECT_NE(page.find(expected), std::string::npos) << expected;
    EXPECT_EQ(page.find("<script"), std::string::npos);
}

TEST_F(SchoolFolder, SpreadsheetHasTheTableAndTheTotalsLast) {
    // The figures the page adds, each with its share; the base row last.
    const std::string sheet = SummarySpreadsheetText(Figures(), ".");
    EXPECT_EQ(sheet,
              "\xEF\xBB\xBF"
              "Klasa;Wychowawca;Klasyfikowanych;Frekwencja 100%;Udział;Wyróżnienia;Udział;Z ocenami ndst;Udział;"
              "Zachowanie wzorowe;Udział;Zachowanie obniżone;Udział\r\n"
              "1A;Nowak Anna;25;2;8.0%;3;12.0%;1;4.0%;4;16.0%;2;8.0%\r\n"
              "2A;Łukasiewicz Jan;brak;1;;1;;2;;2;7.7%;0;0.0%\r\n"
              "2B;Bąk Maria;22;0;0.0%;0;0.0%;1;4.5%;1;4.5%;0;0.0%\r\n"
              "3B;Cichy Olga;20;0;0.0%;0;0.0%;0;0.0%;;;;\r\n"
              "4C;Lis Ewa;24;1;4.2%;0;0.0%;0;0.0%;16;66.7%;0;0.0%\r\n"
              "10A;Zych Ewa;31;1;3.2%;2;6.5%;0;0.0%;5;16.1%;4;12.9%\r\n"
              "Razem;;122;5;3.3%;6;4.1%;4;1.6%;28;21.9%;6;4.7%\r\n"
              "Podstawa udziałów;;;122;;122;;122;;128;;128;\r\n");
}

// Hostile values are text on our pages, whatever the reports' own pages make of them.
TEST_F(SchoolFolder, ValuesAreEscapedAndFormulasNeutralised) {
    Write("5a.xml", Classification{"&lt;b>5a", "=HYPERLINK(&quot;http://a&quot;)", "2026-01-22", "&lt;img src=x>", {},
                                   {}, {{"&lt;i>Jan", "&lt;script>x&lt;/script>"}}}
                        .Xml());
    const std::string page = Page(SchoolPageKind::Summary);
    EXPECT_EQ(page.find("<img"), std::string::npos);
    EXPECT_EQ(page.find("<script"), std::string::npos);
    EXPECT_NE(page.find("<td>&lt;B&gt;5A</td>"), std::string::npos);
    EXPECT_EQ(Utf8(HtmlText("O'Brien & \"Syn\"")), "O&#39;Brien &amp; &quot;Syn&quot;");
    EXPECT_NE(SummarySpreadsheetText(Figures(), ",").find("\"'=HYPERLINK(\"\"http://a\"\")\""), std::string::npos);
}

TEST_F(SchoolFolder, CombinedReportHoldsTheRenderersOwnLinesInSchoolOrder) {
    const std::string page = Page(SchoolPageKind::Combined);
    EXPECT_EQ(ExitCodeOf(outcome), 6);
    std::vector<std::string> headings;  // each report's class, after its type's title
    for (std::size_t at = page.find("<b>"); at != std::string::npos; at = page.find("<b>", at + 1)) {
        const std::size_t end = page.find("</b>", at);
        const std::string text = page.substr(at + 3, end - at - 3);
        if (text.size() <= 3 || text.find("KLASY") != std::string::npos || text == "ZACHOWANIE" ||
            text.find("REALIZACJA") != std::string::npos)
            headings.push_back(text);
    }
    EXPECT_EQ(headings, (std::vector<std::string>{"KLASYFIKACJA KLASY", "1A", "2A", "2B", "3B", "4C", "10A", "10A",
                                                  "ZACHOWANIE", "1A", "2A", "2B", "4C", "10A",
                                                  "REALIZACJA PROGRAMU NAUCZANIA"}));
    EXPECT_NE(page.find("<div>\n<p align=\"center\"><br><b>KLASYFIKACJA KLASY</b>"), std::string::npos);
    EXPECT_NE(page.find("<div style=\"break-before:page\">\n<p align=\"center\"><br><b>ZACHOWANIE</b>"),
              std::string::npos);

    // Each report's body is what its renderer writes when it is not the page's title.
    FolderReports reports = ReadFolderReports(folder.path().string());
    for (FolderReport& report : reports.reports) {
        HtmlPage alone;
        report.type->render(false, alone, *ReadAgain(report).report, RenderOptions(","));
        std::string body;
        for (const std::string& line : alone) body += Utf8(line) + "\n";
        // The blank paragraphs that end a type's last report would spill onto a sheet of their own.
        while (body.ends_with("</p>\n") || body.ends_with("<p align=\"left\">&nbsp;</p>\n"))
            body.erase(body.rfind('<'));
        EXPECT_NE(page.find(body), std::string::npos) << report.file;
    }
    EXPECT_EQ(page.find("&nbsp;</p>\n</p>\n</div>\n<div style=\"break-before:page\">"), std::string::npos);
}

TEST_F(SchoolFolder, ARefusedReportIsLeftOutOfTheCombinedReportWhole) {
    Write("9z.xml", Classification{"9z", "Zły Licznik", "2026-01-22", "1", {}, {{"Ola", "4.75"}}, {}}.Xml());
    const std::string page = Page(SchoolPageKind::Combined);
    EXPECT_EQ(page.find("9Z"), std::string::npos);
    EXPECT_NE(page.find("<li>9z.xml: liczba zapisana błędnie: „4.75”</li>"), std::string::npos);
}

// A page of a folder has a bound: a report that would take it past is left out, and named.
TEST_F(SchoolFolder, AReportBeyondThePagesBoundIsLeftOutAsTooLarge) {
    FolderReports reports = ReadFolderReports(folder.path().string());
    HtmlPage page;
    std::vector<LeftOutFile> leftOut;
    WriteCombinedReport(reports, RenderOptions(","), page, leftOut, 4000);
    ASSERT_FALSE(leftOut.empty());
    EXPECT_EQ(leftOut.front().verdict.verdict, Verdict::TooLargeForPage);
    EXPECT_EQ(Utf8(leftOut.front().verdict.Said()), "za duży do zestawienia: 1 MB");
    std::size_t bytes = 0;
    for (const std::string& line : page) bytes += line.size() + 2;
    EXPECT_LE(bytes, 4000u + 200u);  // the parts' own titles and breaks beside the reports
}

// Within a class the combined report goes by teacher, then by file; averages keep their tenths' zero.
TEST(SchoolOrder, TeachersWithinAClassAndAveragesAsWritten) {
    const FolderReport zajac{"a.xml", nullptr, "3C", "3C", Cp1250("Zając Ewa"), ""};
    const FolderReport adamska{"b.xml", nullptr, "3C", "3C", "Adamska Ola", ""};
    const FolderReport second{"a2.xml", nullptr, "3C", "3C", "Adamska Ola", ""};
    EXPECT_TRUE(InSchoolOrder(adamska, zajac));
    EXPECT_FALSE(InSchoolOrder(zajac, adamska));
    EXPECT_TRUE(InSchoolOrder(second, adamska));
    EXPECT_EQ(FormatHundredths(409, ","), "4,09");
    EXPECT_EQ(FormatHundredths(5, "."), "0.05");
}

// Reports are read again when their turn comes: one spoiled after the folder was read is left
// out and named, never rendered from what it held before.
TEST_F(SchoolFolder, AReportSpoiledWhileThePageIsBuiltIsLeftOut) {
    struct SpoilWhenRead : FolderProgress {
        TempDir& folder;
        explicit SpoilWhenRead(TempDir& f) : folder(f) {}
        bool Advance(std::size_t done, std::size_t total) override {
            if (done == total) folder.Write("1a.xml", "<Szkola><Doc>Inne informacje</Doc></Szkola>");
            return true;
        }
    };
    for (SchoolPageKind kind : {SchoolPageKind::Combined, SchoolPageKind::Summary}) {
        Write("1a.xml", Classification{"1a", "Przed Zmianą", "2026-01-20", "25", {"Ala"}, {}, {}}.Xml());
        SpoilWhenRead spoil(folder);
        SchoolPages pages(state, shell, locale, &shell);
        const SchoolPageOutcome built = pages.Build(kind, folder.path().string(), &spoil);
        EXPECT_NE(std::find_if(built.leftOut.begin(), built.leftOut.end(),
                               [](const LeftOutFile& f) { return f.file.ends_with("/1a.xml"); }),
                  built.leftOut.end());
        std::string page;
        for (const std::string& line : state.ThePage) page += line;
        EXPECT_EQ(Utf8(page).find("Przed Zmianą"), std::string::npos);
    }
}

// Every file gets one verdict, the same for every page that gathers the folder.
TEST(FileVerdicts, EachFileIsJudgedAndSaidInPlainPolish) {
    const std::string sound = Classification{"1a", "Nowak Anna", "2026-01-20", "25", {"Ala"}, {{"Ewa", "510"}}, {}}.Xml();
    std::string noNumber = sound, beyond = sound, noTeacher = sound;
    noNumber.replace(noNumber.find("<Pasek><IleOsob>1"), 17, "<Pasek><IleOsob>abc");
    beyond.replace(beyond.find("<Pasek><IleOsob>1"), 17, "<Pasek><IleOsob>9");
    noTeacher.replace(noTeacher.find("Nowak Anna"), 10, "");
    const struct {
        const char* name;
        std::string bytes;
        Verdict verdict;
        const char* said;
    } cases[] = {
        {"sound.xml", sound, Verdict::Sound, "w porządku"},
        {"cut-late.xml", sound.substr(0, sound.size() - 40), Verdict::BreaksOff, "plik urwany w wierszu 1, kolumnie "},
        {"cut-early.xml", sound.substr(0, 60), Verdict::BreaksOff, "plik urwany w wierszu 1, kolumnie 61 (plik urywa się"},
        {"invoice.xml", "<?xml version=\"1.0\"?><Faktura><Nr>1</Nr></Faktura>", Verdict::Foreign,
         "nie jest sprawozdaniem: brak rodzaju sprawozdania (Doc)"},
        {"other.xml", "<Szkola><Doc>Faktura</Doc></Szkola>", Verdict::Foreign,
         "nie jest sprawozdaniem: nieznany rodzaj sprawozdania „Faktura”"},
        {"anonymous.xml", noTeacher, Verdict::Foreign, "nie jest sprawozdaniem: brak nauczyciela (Belfer)"},
        {"empty.xml", "", Verdict::Empty, "plik pusty"},
        {"blank.xml", " \r\n\t", Verdict::Empty, "plik pusty"},
        {"abc.xml", noNumber, Verdict::CountNotNumber, "liczba zapisana błędnie: Pasek/IleOsob „abc”"},
        {"beyond.xml", beyond, Verdict::CountBeyondRecords, "liczba większa niż zapisów w pliku: Pasek/IleOsob = 9"},
        {"average.xml", Classification{"1a", "N", "", "1", {}, {{"Ola", "4.75"}}, {}}.Xml(), Verdict::CountNotNumber,
         "liczba zapisana błędnie: „4.75”"},
        {"ndst.xml", Cp1250("<Szkola><Doc>Uzasadnienie oceny niedostatecznej</Doc><Belfer>N</Belfer><Uzasadnienia>"
                            "<Ilosc>100000</Ilosc><Uzasadnienie1><Osoba>Jan</Osoba><IloscWierszy>0</IloscWierszy>"
                            "</Uzasadnienie1></Uzasadnienia></Szkola>"),
         Verdict::CountBeyondRecords, "liczba większa niż zapisów w pliku: Uzasadnienia/Ilosc = 100000"},
    };
    TempDir dir;
    for (const auto& c : cases) {
        const FileVerdict verdict = JudgeReportFile(dir.Write(c.name, c.bytes)).verdict;
        EXPECT_EQ(verdict.verdict, c.verdict) << c.name;
        EXPECT_TRUE(Utf8(verdict.Said()).starts_with(c.said)) << c.name << ": " << Utf8(verdict.Said());
        EXPECT_EQ(verdict.Advice().Empty(), verdict.Sound()) << c.name;
    }
    const std::string fifo = (dir.path() / "fifo.xml").string();
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_EQ(Utf8(JudgeReportFile(fifo).verdict.Said()), "nie można odczytać pliku: to nie jest zwykły plik");
}

// Of two reports of a class with the same date the later name is used, and the page says so; a
// damaged one never stands in for a sound one.
TEST_F(SchoolFolder, EqualDatesAndDamagedDoublesAreToldAsTheyAre) {
    Write("7a-1.xml", Classification{"7a", "Lis Jan", "2026-01-22", "20", {}, {}, {}}.Xml());
    Write("7a-2.xml", Classification{"7a", "Lis Jan", "22.01.2026", "21", {}, {}, {}}.Xml());
    Write("6a-a.xml", Classification{"6a", "Lis Jan", "10.02.2026", "17", {}, {}, {}}.Xml());  // the later
    Write("6a-b.xml", Classification{"6a", "Lis Jan", "2026-01-20", "16", {}, {}, {}}.Xml());
    Write("8a-old.xml", Classification{"8a", "Kot Ala", "2026-01-10", "18", {"Ola"}, {}, {}}.Xml());
    Write("8a-new.xml", Classification{"8a", "Kot Ala", "2026-01-20", "19", {}, {}, {}}.Xml().substr(0, 150));
    const SchoolFigures figures = Figures();
    EXPECT_NE(std::find(figures.problems.begin(), figures.problems.end(),
                        "Klasa 7A: więcej niż jedno sprawozdanie „Klasyfikacja klasy”: 7a-1.xml (2026-01-22), 7a-2.xml "
                        "(22.01.2026); daty są równe, więc użyto 7a-2.xml (ostatni według nazwy pliku)."),
              figures.problems.end());
    const auto row = [&](std::string_view name) {
        return *std::find_if(figures.classes.begin(), figures.classes.end(),
                             [&](const ClassRow& r) { return r.className == name; });
    };
    EXPECT_EQ(row("6A").classified.written, "17");
    EXPECT_EQ(row("7A").classified.written, "21");
    EXPECT_EQ(row("8A").classified.written, "18");
    for (const std::string& problem : figures.problems) EXPECT_EQ(problem.find("8a-new"), std::string::npos) << problem;
    const std::string page = Page(SchoolPageKind::Summary);
    EXPECT_NE(page.find("<li>8a-new.xml: plik urwany w wierszu 1"), std::string::npos);
}

// Classes whose names hold letters the reader cannot keep ("?" in the tree) stay apart when
// their teachers differ: no report of them is dropped as a double. Counts written in other forms
// than plain digits are read once, the same for the page's sums and the sheet.
TEST_F(SchoolFolder, ClassesAndCountsReadTheSameOnPageAndSheet) {
    Write("b.xml", "<?xml version=\"1.0\" encoding=\"UTF-8\"?>" +
                       Utf8(Classification{"1?", "Lis Jan", "2026-01-22", "20", {"A"}, {}, {}}.Xml()));
    Write("zh.xml", Classification{"1?", "Kot Ala", "2026-01-22", "21", {}, {}, {}}.Xml());
    std::string forms = Classification{"9c", "Sowa Iza", "2026-01-22", "+5", {"A", "B"}, {}, {}}.Xml();
    forms.replace(forms.find("<Frekwencja><IleOsob>2"), 22, "<Frekwencja><IleOsob>x2");
    forms.replace(forms.find("<Pasek><IleOsob>0"), 17, "<Pasek><IleOsob>-0");
    Write("9c.xml", forms);
    const SchoolFigures figures = Figures();
    std::vector<std::string> rows;
    for (const ClassRow& row : figures.classes)
        if (row.className.starts_with("1") || row.className == "9C") rows.push_back(Cells(row));
    EXPECT_EQ(rows, (std::vector<std::string>{"1?|Kot Ala|21|0|0|0|-|-", "1?|Lis Jan|20|1|0|0|-|-",
                                              "1A|Nowak Anna|25|2|3|1|4|2", "9C|Sowa Iza|+5=5|x2=2|-0=0|0|-|-",
                                              "10A|Zych Ewa|31|1|2|0|5|4"}));
    for (const std::string& problem : figures.problems) EXPECT_EQ(problem.find("b.xml"), std::string::npos) << problem;
    const std::string page = Page(SchoolPageKind::Summary);
    EXPECT_NE(page.find("<td>+5 &rarr; 5<sup>*</sup></td><td>x2 &rarr; 2<sup>*</sup></td>"), std::string::npos);
    const std::string sheet = SummarySpreadsheetText(figures, ",");
    EXPECT_NE(sheet.find("\r\n1?;Lis Jan;20;"), std::string::npos);
    EXPECT_NE(sheet.find("\r\n9C;Sowa Iza;5;2;\"40,0%\";0;\"0,0%\";"), std::string::npos);
}

// The check the list's message asks for: every file with its verdict, the ones to see to first.
TEST_F(SchoolFolder, CheckPageNamesEveryFileWithItsVerdict) {
    const std::string page = Page(SchoolPageKind::Check);
    EXPECT_EQ(ExitCodeOf(outcome), 6);
    EXPECT_EQ(outcome.leftOut.size(), 2u);
    EXPECT_NE(page.find("SPRAWDZENIE PLIKÓW"), std::string::npos);
    EXPECT_NE(page.find("Plików: 15; w porządku: 13; do poprawienia: 2."), std::string::npos);
    const std::size_t foreign = page.find("<td>obcy.xml</td>"), damaged = page.find("<td>zepsuty.xml</td>"),
                      sound = page.find("<td>10a-new.xml</td><td>Zych Ewa</td><td>Klasyfikacja z nauczania</td>"
                                        "<td>10a</td><td>w porządku</td><td></td>");
    EXPECT_LT(foreign, damaged);
    EXPECT_LT(damaged, sound);
    EXPECT_NE(sound, std::string::npos);
    EXPECT_NE(page.find("<b>nie jest sprawozdaniem: brak rodzaju sprawozdania (Doc)</b></td><td>usuń go z folderu"),
              std::string::npos);
    std::filesystem::remove(folder.path() / "obcy.xml");
    std::filesystem::remove(folder.path() / "zepsuty.xml");
    Page(SchoolPageKind::Check);
    EXPECT_EQ(ExitCodeOf(outcome), 0);
}

TEST(SchoolPages, AFolderWithoutReportsIsToldAsTheListTellsIt) {
    TempDir empty;
    ProgramState state;
    RecordingShell shell;
    FixedLocale locale;
    SchoolPages pages(state, shell, locale, &shell);
    EXPECT_EQ(ExitCodeOf(pages.Build(SchoolPageKind::Summary, empty.path().string())), 5);
    ASSERT_EQ(shell.messages.size(), 1u);
    EXPECT_TRUE(shell.navigations.empty());
}

TEST(PolishOrder, ClassesAndNamesAsASchoolWritesThem) {
    const std::vector<std::string> ordered = {"0", "0A", "1a", "2A", "2b", "10a", "10B", "Adam", "Ćwik", "Czarny", "Łoś",
                                              "Lis", "Zięba", "Źrebię", "Żak"};
    std::vector<std::string> ansi;
    for (const std::string& s : ordered) ansi.push_back(Cp1250(s));
    std::vector<std::string> shuffled(ansi.rbegin(), ansi.rend());
    std::sort(shuffled.begin(), shuffled.end(), PolishBefore);
    std::vector<std::string> back;
    for (const std::string& s : shuffled) back.push_back(Utf8(s));
    EXPECT_EQ(back, (std::vector<std::string>{"0", "0A", "1a", "2A", "2b", "10a", "10B", "Adam", "Czarny", "Ćwik", "Lis", "Łoś",
                                              "Zięba", "Źrebię", "Żak"}));
    EXPECT_EQ(ComparePolish("02a", "2a") != 0, true);  // ties of value are still told apart
}

}  // namespace
