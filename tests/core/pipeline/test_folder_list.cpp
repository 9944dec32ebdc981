#include <gtest/gtest.h>

#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include "file_access.h"
#include "fixed_locale.h"
#include "folder_list.h"
#include "messages.h"
#include "recording_shell.h"
#include "temp_dir.h"
#include "test_text.h"

namespace {

std::string Report(const std::string& belfer, const std::string& doc, const std::string& fields = "") {
    return Cp1250("<Szkola><Belfer>" + belfer + "</Belfer><Doc>" + doc + "</Doc>" + fields + "</Szkola>");
}

// Answers yes until the given step, then cancels.
class CancelAt : public FolderProgress {
public:
    explicit CancelAt(std::size_t step) : step_(step) {}
    bool Advance(std::size_t done, std::size_t) override {
        ++calls;
        return done < step_;
    }
    int calls = 0;

private:
    std::size_t step_;
};

class FolderListTest : public ::testing::Test {
protected:
    FolderListTest() { state.PageFilePath = pages.PathOf("Temp.htm"); }

    // The report lines of the page: what stands between the opened paragraph and the blank one.
    std::vector<std::string> ListLines() const {
        const HtmlPage& page = state.ThePage;
        return {page.begin() + 26, page.end() - 5};
    }
    std::string PageOnDisk() const {
        return FileExists(state.PageFilePath) ? ReadFileExclusive(state.PageFilePath) : "<none>";
    }

    TempDir folder;
    TempDir pages;
    ProgramState state;
    RecordingShell shell;
    FixedLocale locale;
    FolderLister lister{state, shell, locale, &shell};
};

}  // namespace

TEST_F(FolderListTest, ThePageFrameAroundTheLines) {
    folder.Write("a.xml", Report("Anna Nowak", "Sprawozdanie dyrektora"));
    ASSERT_EQ(lister.ListReceivedReports(folder.path().string()), ListOutcome::Shown);
    const HtmlPage& page = state.ThePage;
    ASSERT_EQ(page.size(), 33u);
    EXPECT_EQ(HtmlPage(page.begin() + 22, page.begin() + 26),
              (HtmlPage{"<p align=\"left\">", Cp1250("<p align=\"center\"><br><b>LISTA OTRZYMANYCH SPRAWOZDAŃ</b></p>"),
                        "</p>", "<p align=\"left\">"}));
    EXPECT_EQ(ListLines(), (std::vector<std::string>{"<br>", "    - Anna Nowak - Sprawozdanie dyrektora<br>"}));
    EXPECT_EQ(HtmlPage(page.end() - 5, page.end()),
              (HtmlPage{"<p align=\"left\">&nbsp;</p>", "     Stan na: 08.12.2026 g. 10:15:00<br>", "</div>",
                        "</body>", "</html>"}));
    EXPECT_EQ(PageOnDisk(), PageBytes(page));
    EXPECT_EQ(shell.navigations, std::vector<std::string>{state.PageFilePath});
    EXPECT_TRUE(shell.messages.empty());
}

TEST_F(FolderListTest, EverySuffixOfTheTypeTable) {
    const std::string fields = "<Przedmiot>fizyka</Przedmiot><Klasy>1a, 1b</Klasy><Klasa>2c</Klasa>"
                               "<Zajecia>chór</Zajecia><Dotyczy>wycieczki</Dotyczy>";
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"Realizacja programu z przedmiotu nauczania", "A - Realizacja programu nauczania - fizyka - 1a, 1b"},
        {"Klasyfikacja klasy z zachowania", "B - Klasyfikacja z zachowania - 2c"},
        {"Klasyfikacja klasy", "C - Klasyfikacja z nauczania - 2c"},
        {"Sprawozdanie dyrektora", "D - Sprawozdanie dyrektora"},
        {"Realizacja programu wychowawczego", "E - Realizacja planu wychowawczego - 2c"},
        {"Realizacja dodatkowych", "F - Realizacja zajęć dodatkowych - chór"},
        {"Uzasadnienie oceny niedostatecznej", "G - Uzasadnienie Ndst - fizyka - 2c"},
        {"Inne informacje", "H - Inne - wycieczki"},
        {"Z karty", "I - Realizacja godzin wynikających z karty"},
        {"Cos innego", "J"},
    };
    for (size_t i = 0; i < cases.size(); ++i)
        folder.Write(std::to_string(i) + ".xml", Report(std::string(1, char('A' + i)), cases[i].first, fields));
    ASSERT_EQ(lister.ListReceivedReports(folder.path().string()), ListOutcome::Shown);
    ASSERT_EQ(state.FolderSummary.size(), cases.size());
    for (size_t i = 0; i < cases.size(); ++i) EXPECT_EQ(Utf8(state.FolderSummary[i]), cases[i].second);
}

// UTF-8 and UTF-16 files, with or without a mark, are read as the viewer reads them.
TEST_F(FolderListTest, EveryEncodingGivesTheSameLine) {
    const std::string xml = "<Szkola><Belfer>Żaneta Wiśniewska</Belfer><Doc>Inne informacje</Doc>"
                            "<Dotyczy>wycieczki</Dotyczy></Szkola>";
    folder.Write("1.xml", Cp1250(xml));
    folder.Write("2.xml", xml);
    folder.Write("3.xml", "\xEF\xBB\xBF" + xml);
    folder.Write("4.xml", Utf16File(xml));
    ASSERT_EQ(lister.ListReceivedReports(folder.path().string()), ListOutcome::Shown);
    ASSERT_EQ(state.FolderSummary.size(), 4u);
    for (const auto& line : state.FolderSummary) EXPECT_EQ(Utf8(line), "Żaneta Wiśniewska - Inne - wycieczki");
}

TEST_F(FolderListTest, LinesAreSortedIgnoringCaseAndGroupedByExactInitial) {
    folder.Write("1.xml", Report("Zieliński Jan", "Z karty"));
    folder.Write("2.xml", Report("zawadzka Anna", "Z karty"));
    folder.Write("3.xml", Report("Bober Ewa", "Z karty"));
    folder.Write("4.xml", Report("bielecka Ola", "Z karty"));
    folder.Write("5.xml", Report("Adamski Piotr", "Z karty"));
    ASSERT_EQ(lister.ListReceivedReports(folder.path().string()), ListOutcome::Shown);
    const std::string suffix = " - Realizacja godzin wynikających z karty<br>";
    std::vector<std::string> lines;
    for (const auto& line : ListLines()) lines.push_back(Utf8(line));
    EXPECT_EQ(lines, (std::vector<std::string>{
                         "<br>", "    - Adamski Piotr" + suffix,
                         "<br>", "    - bielecka Ola" + suffix,
                         "<br>", "    - Bober Ewa" + suffix,
                         "<br>", "    - zawadzka Anna" + suffix,
                         "<br>", "    - Zieliński Jan" + suffix,
                     }));
}

// Two lines are sorted too: a sort that passes over short lists would leave them as found.
TEST_F(FolderListTest, AListOfTwoIsSorted) {
    folder.Write("1.xml", Report("Zieliński Jan", "Z karty"));
    folder.Write("2.xml", Report("Adamski Piotr", "Z karty"));
    ASSERT_EQ(lister.ListReceivedReports(folder.path().string()), ListOutcome::Shown);
    const std::vector<std::string> lines = ListLines();
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_TRUE(lines[1].starts_with("    - Adamski"));
    EXPECT_TRUE(Utf8(lines[3]).starts_with("    - Zieliński"));
}

TEST_F(FolderListTest, AFirstLineStartingWithLowerCaseZGetsNoBreak) {
    folder.Write("1.xml", Report("zawadzka Anna", "Sprawozdanie dyrektora"));
    folder.Write("2.xml", Report("zawadzka Anna", "Sprawozdanie dyrektora"));
    ASSERT_EQ(lister.ListReceivedReports(folder.path().string()), ListOutcome::Shown);
    EXPECT_EQ(ListLines(), (std::vector<std::string>{"    - zawadzka Anna - Sprawozdanie dyrektora<br>",
                                                     "    - zawadzka Anna - Sprawozdanie dyrektora<br>"}));
}

TEST_F(FolderListTest, AnEmptyTeacherWithAKnownTypeHasAGroupOfItsOwn) {
    folder.Write("1.xml", Report("", "Sprawozdanie dyrektora"));
    folder.Write("2.xml", Report("Nowak", "Sprawozdanie dyrektora"));
    ASSERT_EQ(lister.ListReceivedReports(folder.path().string()), ListOutcome::Shown);
    EXPECT_EQ(ListLines(), (std::vector<std::string>{"<br>", "    -  - Sprawozdanie dyrektora<br>", "<br>",
                                                     "    - Nowak - Sprawozdanie dyrektora<br>"}));
}

TEST_F(FolderListTest, OnlyXmlFilesInAnyCaseAndNeverDirectories) {
    folder.Write("a.XML", Report("Anna", "Z karty"));
    folder.Write(".ukryty.xml", Report("Beata", "Z karty"));
    folder.Write("notatka.txt", Report("Celina", "Z karty"));
    std::filesystem::create_directory(folder.path() / "katalog.xml");
    ASSERT_EQ(lister.ListReceivedReports(folder.path().string()), ListOutcome::Shown);
    EXPECT_EQ(state.FolderSummary.size(), 2u);
}

// Removes a file the search has found, before the first file is read.
class RemoveFirst : public FolderProgress {
public:
    explicit RemoveFirst(std::string path) : path_(std::move(path)) {}
    bool Advance(std::size_t done, std::size_t total) override {
        if (done == 0) std::filesystem::remove(path_);
        found = total;
        return true;
    }
    std::size_t found = 0;

private:
    std::string path_;
};

// Held by another reader, a link leading nowhere or round in a circle, gone since the search:
// none of these was read, so none is a damaged report.
TEST_F(FolderListTest, UnreadableFilesAreLeftOutSilently) {
    const std::string held = folder.Write("held.xml", Report("Anna", "Z karty"));
    const int holder = ::open(held.c_str(), O_RDONLY);
    ASSERT_EQ(::flock(holder, LOCK_EX), 0);
    ASSERT_EQ(::symlink(folder.PathOf("gone").c_str(), folder.PathOf("dangling.xml").c_str()), 0);
    ASSERT_EQ(::symlink("loop.xml", folder.PathOf("loop.xml").c_str()), 0);
    RemoveFirst remove(folder.Write("removed.xml", Report("Beata", "Z karty")));
    ASSERT_EQ(lister.ListReceivedReports(folder.path().string(), &remove), ListOutcome::Shown);
    ::close(holder);
    EXPECT_EQ(remove.found, 4u);
    EXPECT_TRUE(shell.messages.empty());
    EXPECT_TRUE(ListLines().empty()) << "the title and the date line alone";
    EXPECT_EQ(state.ThePage.size(), 31u);
}

// Foreign, empty or too large to be a report: any such file spoils the whole list, and the
// message names them, the first few.
TEST_F(FolderListTest, DamagedFilesSpoilTheWholeListAndAreNamed) {
    const std::string damaged = std::string(messages::kDamagedFolder) + "\rUszkodzone pliki: ";
    const struct {
        std::vector<std::string> names;  // "big" ones are over the size limit, the rest foreign or empty
        std::string named;
    } cases[] = {
        {{"obcy.xml", "pusty.xml"}, "obcy.xml, pusty.xml"},
        {{"big.xml"}, "big.xml"},
        {{"a.xml", "b.xml", "c.xml", "d.xml", "e.xml"}, "a.xml, b.xml, c.xml i 2 innych"},
        {{"nowa\nlinia.xml"}, "nowa\\nlinia.xml"},
    };
    for (const auto& c : cases) {
        TempDir dir;
        dir.Write("anna.xml", Report("Anna", "Z karty"));
        for (const std::string& name : c.names)
            if (name == "big.xml")
                dir.WriteSparse(name, off_t{2} << 30);
            else
                dir.Write(name, name == "pusty.xml" ? "" : "<Inny><Tekst>x</Tekst></Inny>");
        shell.messages.clear();
        EXPECT_EQ(lister.ListReceivedReports(dir.path().string()), ListOutcome::Damaged) << c.named;
        EXPECT_EQ(shell.messages, (std::vector<Message>{{StyleZamknij, IconInformacja, damaged + c.named}}));
    }
    EXPECT_EQ(PageOnDisk(), "<none>");
    EXPECT_TRUE(shell.navigations.empty());
}

TEST_F(FolderListTest, AnUnknownTypeIsListedWithTheTeacherAlone) {
    folder.Write("a.xml", Report("Anna", "Notatka"));
    ASSERT_EQ(lister.ListReceivedReports(folder.path().string()), ListOutcome::Shown);
    EXPECT_EQ(ListLines(), (std::vector<std::string>{"<br>", "    - Anna<br>"}));
}

TEST_F(FolderListTest, AFolderWithoutReportsSaysSoAndIsStillRemembered) {
    folder.Write("a.txt", "x");
    state.FolderSummary = {"earlier"};
    EXPECT_EQ(lister.ListReceivedReports(folder.path().string()), ListOutcome::NoFiles);
    EXPECT_EQ(shell.messages, (std::vector<Message>{{StyleZamknij, IconInformacja, std::string(messages::kNoReportFiles)}}));
    EXPECT_EQ(state.LastFolder, folder.path().string());
    EXPECT_EQ(state.FolderSummary, std::vector<std::string>{"earlier"});
    EXPECT_TRUE(shell.navigations.empty());
}

TEST_F(FolderListTest, AnUnwritablePageFileIsNamedNotTheFolder) {
    folder.Write("a.xml", Report("Anna", "Z karty"));
    state.PageFilePath = pages.PathOf("missing/Temp.htm");
    EXPECT_EQ(lister.ListReceivedReports(folder.path().string()), ListOutcome::Damaged);
    EXPECT_EQ(shell.messages.back().text, messages::CannotWrite(state.PageFilePath, std::strerror(ENOENT)));
}

TEST_F(FolderListTest, CancellingLeavesEverythingAsItWas) {
    for (int i = 0; i < 5; ++i) folder.Write(std::to_string(i) + ".xml", Report("Anna", "Z karty"));
    WriteFileReplacing(state.PageFilePath, "old page");
    state.FolderSummary = {"earlier"};
    state.DocumentType = "Inne informacje";
    state.ThePage = {"old"};
    CancelAt progress(3);
    EXPECT_EQ(lister.ListReceivedReports(folder.path().string(), &progress), ListOutcome::Cancelled);
    EXPECT_EQ(progress.calls, 4);
    EXPECT_EQ(state.FolderSummary, std::vector<std::string>{"earlier"});
    EXPECT_EQ(state.DocumentType, "Inne informacje");
    EXPECT_EQ(state.ThePage, HtmlPage{"old"});
    EXPECT_EQ(PageOnDisk(), "old page");
    EXPECT_TRUE(shell.navigations.empty());
    EXPECT_TRUE(shell.messages.empty());
}

TEST_F(FolderListTest, ProgressIsReportedForEveryFile) {
    for (int i = 0; i < 3; ++i) folder.Write(std::to_string(i) + ".xml", Report("Anna", "Z karty"));
    CancelAt never(1000);
    EXPECT_EQ(lister.ListReceivedReports(folder.path().string(), &never), ListOutcome::Shown);
    EXPECT_EQ(never.calls, 4);
}

// The list's lines lead to their files: sorted with them, equal lines to different files. The
// files are named against the teachers' order, so that a file list left in the folder's order
// would lead a line to another teacher's report.
TEST_F(FolderListTest, EachLineKeepsItsFile) {
    folder.Write("a.xml", Report("Celina", "Z karty"));
    folder.Write("b1.xml", Report("Anna", "Z karty"));
    folder.Write("c.xml", Report("Bogdan", "Z karty"));
    folder.Write("b2.xml", Report("Anna", "Z karty"));
    folder.Write("foreign.txt", "not a report");
    ASSERT_EQ(lister.ListReceivedReports(folder.path().string()), ListOutcome::Shown);
    ASSERT_EQ(state.FolderFiles.size(), state.FolderSummary.size());
    std::vector<std::string> names;
    for (size_t i = 0; i < state.FolderFiles.size(); ++i) {
        const std::optional<ListRow> row = ReadListRow(state.FolderFiles[i]);
        ASSERT_TRUE(row);
        EXPECT_EQ(row->line, state.FolderSummary[i]);
        names.push_back(std::filesystem::path(state.FolderFiles[i]).filename().string());
    }
    std::sort(names.begin(), names.begin() + 2);  // the order of equal lines is not defined
    EXPECT_EQ(names, (std::vector<std::string>{"b1.xml", "b2.xml", "c.xml", "a.xml"}));
}

// A listing the program starts by itself says nothing and leaves the shown list alone.
TEST_F(FolderListTest, AQuietListingThatFailsLeavesTheListAsItWas) {
    folder.Write("a.xml", Report("Anna", "Z karty"));
    ASSERT_EQ(lister.ListReceivedReports(folder.path().string()), ListOutcome::Shown);
    const auto summary = state.FolderSummary;
    const auto files = state.FolderFiles;
    const std::string page = PageOnDisk();
    folder.Write("foreign.xml", "<root/>");
    EXPECT_EQ(lister.ListReceivedReports(folder.path().string(), nullptr, ListMessages::Quiet), ListOutcome::Damaged);
    std::filesystem::remove(folder.path() / "foreign.xml");
    std::filesystem::remove(folder.path() / "a.xml");
    EXPECT_EQ(lister.ListReceivedReports(folder.path().string(), nullptr, ListMessages::Quiet), ListOutcome::NoFiles);
    EXPECT_TRUE(shell.messages.empty());
    EXPECT_EQ(state.FolderSummary, summary);
    EXPECT_EQ(state.FolderFiles, files);
    EXPECT_EQ(PageOnDisk(), page);
}
