#include <gtest/gtest.h>

#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <functional>
#include <sys/file.h>
#include <unistd.h>

#include "file_access.h"
#include "fixed_locale.h"
#include "messages.h"
#include "recording_shell.h"
#include "report_opener.h"
#include "temp_dir.h"
#include "test_text.h"

namespace {

const std::string kOtherInformation = R"(<?xml version="1.0" encoding="windows-1250"?>
<Szkola><Doc>Inne informacje</Doc><Date>2026-06-20</Date><Belfer>Anna Nowak</Belfer>
<Dotyczy>wycieczki</Dotyczy><Info><IloscWierszy>1</IloscWierszy><w0>Wycieczka do Krakowa.</w0></Info>
</Szkola>)";

std::string Report(const std::string& doc, const std::string& rest = "<Date>1 VI 2026</Date>") {
    return "<Szkola><Doc>" + doc + "</Doc>" + rest + "</Szkola>";
}

class ReportOpenerTest : public ::testing::Test {
protected:
    ReportOpenerTest() { state.PageFilePath = dir.PathOf("Temp.htm"); }

    std::string PageOnDisk() const {
        return FileExists(state.PageFilePath) ? ReadFileExclusive(state.PageFilePath) : "<none>";
    }
    Message Only() const {
        EXPECT_EQ(shell.messages.size(), 1u);
        return shell.messages.empty() ? Message{} : shell.messages.front();
    }

    TempDir dir;
    ProgramState state;
    RecordingShell shell;
    FixedLocale locale;
    ReportOpener opener{state, shell, locale, &shell};
};

}  // namespace

TEST_F(ReportOpenerTest, ASoundReportIsWrittenWithItsFootAndShown) {
    EXPECT_EQ(opener.OpenChosenFile(dir.Write("inne.xml", kOtherInformation)), ReportOutcome::Shown);
    EXPECT_TRUE(shell.messages.empty());
    EXPECT_EQ(shell.navigations, std::vector<std::string>{state.PageFilePath});
    EXPECT_EQ(state.DocumentType, "Inne informacje");
    EXPECT_EQ(state.CreationDate, "2026-06-20");
    const HtmlPage tail(state.ThePage.end() - 7, state.ThePage.end());
    EXPECT_EQ(tail, (HtmlPage{"<p align=\"left\">", "<p align=\"left\">&nbsp;</p>",
                              "   Utworzono: 2026-06-20<br>", "</p>", "</div>", "</body>", "</html>"}));
    EXPECT_EQ(PageOnDisk(), PageBytes(state.ThePage));
    EXPECT_NE(PageOnDisk().find("   Wycieczka do Krakowa.<br>\r\n"), std::string::npos);
}

TEST_F(ReportOpenerTest, EveryTypeOfTheTableReachesItsRenderer) {
    const std::vector<std::pair<std::string, std::string>> types = {
        {"Klasyfikacja klasy", "KLASYFIKACJA KLASY - 3A"},
        {"Klasyfikacja klasy z zachowania", "ZACHOWANIE - 3A"},
        {"Realizacja programu z przedmiotu nauczania", "REALIZACJA PROGRAMU NAUCZANIA"},
        {"Realizacja dodatkowych", Cp1250("REALIZACJA ZAJĘĆ DODATKOWYCH")},
        {"Uzasadnienie oceny niedostatecznej", "UZASADNIENIE OCENY NIEDOSTATECZNEJ - 3A"},
        {"Sprawozdanie dyrektora", Cp1250("SPRAWOZDANIE DYREKTORA SZKOŁY")},
        {"Realizacja programu wychowawczego", "REALIZACJA PROGRAMU WYCHOWAWCZEGO"},
        {"Inne informacje", "INNE INFORMACJE"},
        {"Z karty", Cp1250("REALIZACJA ZAJĘĆ WYNIKAJĄCYCH Z KARTY")},
    };
    // Every count any renderer reads, zero, so each renders without complaint.
    std::string counts = "<Klasa>3a</Klasa>";
    for (const char* section : {"Frekwencja", "Pasek", "Ndst", "Wzorowi", "Nagannie", "Obnizone",
                                "Uwagi", "Ogolne", "Sukcesy", "Wnioski", "Dydaktyczna", "Nadzor", "Info"})
        counts += std::string("<") + section + "><IleOsob>0</IleOsob><IloscWierszy>0</IloscWierszy><Ilosc>0</Ilosc></" + section + ">";
    counts += "<Uzasadnienia><Ilosc>0</Ilosc></Uzasadnienia>";
    for (const auto& [type, title] : types) {
        shell.messages.clear();
        ASSERT_EQ(opener.OpenChosenFile(dir.Write("r.xml", Report(type, counts))), ReportOutcome::Shown)
            << type << ": " << (shell.messages.empty() ? "" : Utf8(shell.messages[0].text));
        EXPECT_EQ(state.ThePage[22], "<p align=\"center\"><br><b>" + title + "</b></p>") << type;
    }
}

TEST_F(ReportOpenerTest, TypesAreComparedByteForByte) {
    for (const std::string type : {"klasyfikacja klasy", "Klasyfikacja Klasy", "", "Inne  informacje", "Z karty."}) {
        shell.messages.clear();
        EXPECT_EQ(opener.OpenChosenFile(dir.Write("r.xml", Report(type))), ReportOutcome::WrongType);
        EXPECT_EQ(Only(), (Message{StyleZamknij, IconInformacja, std::string(messages::kWrongType)})) << type;
    }
}

TEST_F(ReportOpenerTest, AUtf8ReportGivesTheSamePageAsItsWindows1250Twin) {
    const std::string utf8 = "<?xml version=\"1.0\"?>\r\n<Szkola><Doc>Inne informacje</Doc><Belfer>Żaneta</Belfer>"
                             "<Info><IloscWierszy>1</IloscWierszy><w0>Zażółć gęślą jaźń</w0></Info></Szkola>";
    ASSERT_EQ(opener.OpenChosenFile(dir.Write("cp.xml", Cp1250(utf8))), ReportOutcome::Shown);
    const HtmlPage expected = state.ThePage;
    for (const std::string& bytes : {utf8, "\xEF\xBB\xBF" + utf8}) {
        ASSERT_EQ(opener.OpenChosenFile(dir.Write("u8.xml", bytes)), ReportOutcome::Shown);
        EXPECT_EQ(state.ThePage, expected);
    }
    EXPECT_FALSE(opener.LastBreak());
}

TEST_F(ReportOpenerTest, ElementNamesMatchWhateverTheirCase) {
    EXPECT_EQ(opener.OpenChosenFile(dir.Write("r.xml", "<SZKOLA><doc>Z karty</doc><INFO><iloscwierszy>0</iloscwierszy></INFO></SZKOLA>")),
              ReportOutcome::Shown);
}

TEST_F(ReportOpenerTest, FilesThatAreNoReportsAreRefusedAsTheWrongType) {
    const std::vector<std::pair<std::string, std::string>> files = {
        {"empty.xml", ""},
        {"noschool.xml", "<Raport><Doc>Z karty</Doc></Raport>"},
        {"nodoc.xml", "<Szkola><Date>1</Date></Szkola>"},
    };
    for (const auto& [name, bytes] : files) {
        shell.messages.clear();
        EXPECT_EQ(opener.OpenChosenFile(dir.Write(name, bytes)), ReportOutcome::WrongType) << name;
        EXPECT_EQ(Only().text, messages::kWrongType) << name;
        EXPECT_EQ(PageOnDisk(), "<none>") << name;
        EXPECT_EQ(shell.navigations.back(), state.PageFilePath) << "the view shows the page written last";
    }
}

// A moved or mistyped file is told as missing, however it was named: the open dialog, a list
// entry, or Ponów after the file went.
TEST_F(ReportOpenerTest, AFileThatIsNotThereIsSaidToBeMissing) {
    ASSERT_EQ(::symlink(dir.PathOf("gone.xml").c_str(), dir.PathOf("dangling.xml").c_str()), 0);
    const std::string listed = dir.Write("listed.xml", kOtherInformation);
    const std::string retried = dir.Write("retried.xml", kOtherInformation);
    const struct {
        const char* what;
        std::function<ReportOutcome()> open;
    } cases[] = {
        {"a name nothing has", [&] { return opener.OpenChosenFile(dir.PathOf("brak.xml")); }},
        {"a link leading nowhere", [&] { return opener.OpenChosenFile(dir.PathOf("dangling.xml")); }},
        {"a name under a file", [&] { return opener.OpenChosenFile(listed + "/a.xml"); }},
        {"a list entry whose file went",
         [&] {
             state.FolderFiles = {listed};
             std::filesystem::remove(listed);
             return opener.OpenChosenFile(state.FolderFiles[0]);
         }},
        {"Ponów after the file went",
         [&] {
             opener.OpenChosenFile(retried);
             std::filesystem::remove(retried);
             shell.messages.clear();
             return opener.Retry();
         }},
    };
    for (const auto& c : cases) {
        shell.messages.clear();
        EXPECT_EQ(c.open(), ReportOutcome::Unreadable) << c.what;
        EXPECT_EQ(Only(), (Message{StyleZamknij, IconInformacja, std::string(messages::kMissingFile)})) << c.what;
    }
}

// The user picked a line of the list, not a file: a refusal names the file behind the line.
TEST_F(ReportOpenerTest, AListedReportThatIsRefusedIsNamed) {
    const std::string damaged =
        dir.Write("uszkodzony.xml", Report("Inne informacje", "<Info><IloscWierszy>x</IloscWierszy></Info>"));
    const std::string large = dir.WriteSparse("wielki.xml", (16 << 20) + 1);
    for (const bool listed : {false, true}) {
        state.FolderFiles = listed ? std::vector<std::string>{damaged, large} : std::vector<std::string>{};
        shell.messages.clear();
        EXPECT_EQ(opener.OpenChosenFile(damaged), ReportOutcome::Damaged);
        EXPECT_EQ(opener.OpenChosenFile(large), ReportOutcome::Damaged);
        const std::string tooLarge = messages::TooLargeReport((16 << 20) + 1).Bytes();
        EXPECT_EQ(shell.messages.at(0).text,
                  std::string(messages::kDamagedReport) + (listed ? "\rPlik: uszkodzony.xml" : ""));
        EXPECT_EQ(shell.messages.at(1).text, tooLarge + (listed ? "\rPlik: wielki.xml" : ""));
    }
}

TEST_F(ReportOpenerTest, AFileHeldByAnotherReaderIsRefusedAsUnreadable) {
    opener.OpenChosenFile(dir.Write("inne.xml", kOtherInformation));
    const std::string before = PageOnDisk();
    const std::string held = dir.Write("held.xml", kOtherInformation);
    const int holder = ::open(held.c_str(), O_RDONLY);
    ASSERT_EQ(::flock(holder, LOCK_EX), 0);
    shell.messages.clear();
    EXPECT_EQ(opener.OpenChosenFile(held), ReportOutcome::Unreadable);
    ::close(holder);
    EXPECT_EQ(Only(), (Message{StyleZamknij, IconInformacja, std::string(messages::kCannotOpen)}));
    EXPECT_EQ(PageOnDisk(), before);
    EXPECT_EQ(shell.navigations.size(), 2u);
}

TEST_F(ReportOpenerTest, ARendererErrorKeepsThePreviousPageAndView) {
    opener.OpenChosenFile(dir.Write("inne.xml", kOtherInformation));
    const std::string before = PageOnDisk();
    shell.messages.clear();
    for (const std::string count : {"", "dwa", "4.5", "2147483647"}) {
        const std::string bad = Report("Inne informacje", "<Info><IloscWierszy>" + count + "</IloscWierszy></Info>");
        EXPECT_EQ(opener.OpenChosenFile(dir.Write("bad.xml", bad)), ReportOutcome::Damaged) << count;
        EXPECT_EQ(shell.messages.back(), (Message{StyleZamknij, IconInformacja, std::string(messages::kDamagedReport)}));
        EXPECT_EQ(PageOnDisk(), before);
        EXPECT_EQ(shell.navigations.size(), 1u) << "the view is not navigated";
    }
}

// Refused before it is read, with its size rounded up to whole megabytes. A file at the limit
// is read (sixteen megabytes of zeros are no report).
TEST_F(ReportOpenerTest, AFileOverSixteenMegabytesIsDamagedUnread) {
    EXPECT_EQ(opener.OpenChosenFile(dir.WriteSparse("at.xml", 16 << 20)), ReportOutcome::WrongType);
    shell.messages.clear();
    EXPECT_EQ(opener.OpenChosenFile(dir.WriteSparse("over.xml", (16 << 20) + 1)), ReportOutcome::Damaged);
    EXPECT_EQ(Only(), (Message{StyleZamknij, IconInformacja,
                               Cp1250("Wskazany plik jest uszkodzony lub nie jest plikiem sprawozdania.\r"
                                      "plik jest za duży: 17 MB")}));
    EXPECT_EQ(shell.navigations.size(), 1u) << "the view is not navigated";
}

TEST_F(ReportOpenerTest, AnUnwritablePageFileIsNamedAndNotNavigatedTo) {
    state.PageFilePath = dir.PathOf("no-such-folder/Temp.htm");
    EXPECT_EQ(opener.OpenChosenFile(dir.Write("inne.xml", kOtherInformation)), ReportOutcome::Damaged);
    EXPECT_EQ(Only().text, "Nie mo\xBFna zapisa\xE6 pliku " + state.PageFilePath + ": " + std::strerror(ENOENT));
    EXPECT_TRUE(shell.navigations.empty());
}

TEST_F(ReportOpenerTest, AReportWithoutDateEndsWithAnEmptyCreationLine) {
    opener.OpenChosenFile(dir.Write("r.xml", Report("Z karty", "<Info><IloscWierszy>0</IloscWierszy></Info>")));
    EXPECT_EQ(*(state.ThePage.end() - 5), "   Utworzono: <br>");
}

TEST_F(ReportOpenerTest, AReportCutOffAfterItsHeaderStillReachesItsRenderer) {
    const std::string cut = "<Szkola><Doc>Z karty</Doc><Date>5</Date><Info><IloscWierszy>1</IloscWierszy><w0>tekst";
    EXPECT_EQ(opener.OpenChosenFile(dir.Write("cut.xml", cut)), ReportOutcome::Shown);
    EXPECT_NE(PageOnDisk().find("   tekst<br>"), std::string::npos);
}

TEST_F(ReportOpenerTest, RetryBeforeAnyFileIsTheWrongType) {
    EXPECT_EQ(opener.Retry(), ReportOutcome::WrongType);
    EXPECT_EQ(Only().text, messages::kWrongType);
}

TEST_F(ReportOpenerTest, ARefusedFileStaysCurrentForRetry) {
    const std::string path = dir.Write("r.xml", Report("Nieznany"));
    opener.OpenChosenFile(path);
    EXPECT_EQ(state.CurrentReportPath, path);
    EXPECT_EQ(opener.Retry(), ReportOutcome::WrongType);
    EXPECT_EQ(shell.messages.size(), 2u);
}

TEST_F(ReportOpenerTest, OnlyXmlFilesAreTakenFromADrop) {
    const std::string report = dir.Write("RAPORT.XML", kOtherInformation);
    EXPECT_EQ(opener.DropFile(dir.Write("notatki.txt", "x")), ReportOutcome::Ignored);
    EXPECT_EQ(Only(), (Message{StyleZamknij, IconUwaga, std::string(messages::kWrongDrop)}));
    EXPECT_TRUE(state.CurrentReportPath.empty());
    EXPECT_TRUE(shell.navigations.empty());
    EXPECT_EQ(opener.DropFile(report), ReportOutcome::Shown);
    EXPECT_EQ(state.CurrentReportPath, report);
}

TEST(ReportExtension, IsTheFileNamesLastDotOnIgnoringAsciiCase) {
    EXPECT_TRUE(HasReportExtension("/a/b.xml"));
    EXPECT_TRUE(HasReportExtension("/a/b.XmL"));
    EXPECT_TRUE(HasReportExtension("/a/b.txt.xml"));
    EXPECT_TRUE(HasReportExtension(".xml"));
    EXPECT_FALSE(HasReportExtension("/a/b.xml.txt"));
    EXPECT_FALSE(HasReportExtension("/a.xml/b"));
    EXPECT_FALSE(HasReportExtension("/a/bxml"));
    EXPECT_FALSE(HasReportExtension("/a/b.xmll"));
}
