#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <unistd.h>
#include <vector>

#include "file_access.h"
#include "temp_dir.h"
#include "test_text.h"
#include "tool_run.h"

TEST(RenderTool, WritesEverySamplesPageToStandardOutput) {
    for (const char* name : {"klasyfikacja_klasy_3a.xml", "zachowanie_3a.xml", "program_nauczania_matematyka.xml",
                             "zajecia_dodatkowe_kolo_teatralne.xml", "uzasadnienie_ndst_2b.xml",
                             "sprawozdanie_dyrektora.xml", "program_wychowawczy_1c.xml", "inne_informacje.xml",
                             "z_karty.xml"}) {
        const ToolRun run = RunTool(Sample(name));
        EXPECT_EQ(run.exitCode, 0) << name << run.err;
        EXPECT_TRUE(run.out.starts_with("<html><head>\r\n")) << name;
        EXPECT_TRUE(run.out.ends_with("</div>\r\n</body>\r\n</html>\r\n")) << name;
        EXPECT_EQ(run.err, "") << name;
    }
}

TEST(RenderTool, AveragesTakeTheUsersDecimalSeparator) {
    const std::string report = Sample("klasyfikacja_klasy_3a.xml");
    EXPECT_NE(RunTool(report, "LC_ALL=pl_PL.UTF-8").out.find(" - 4,75</li>"), std::string::npos);
    EXPECT_NE(RunTool(report, "LC_ALL=en_US.UTF-8").out.find(" - 4.75</li>"), std::string::npos);
}

TEST(RenderTool, WritesToAFileWithMinusO) {
    TempDir dir;
    const std::string out = dir.PathOf("page.htm");
    const ToolRun run = RunTool("-o " + out + " " + Sample("z_karty.xml"));
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(Slurp(out), RunTool(Sample("z_karty.xml")).out);
}

TEST(RenderTool, RefusalsSayWhyOnStandardErrorWithTheirExitCodes) {
    TempDir dir;
    const ToolRun wrongType = RunTool(dir.Write("a.xml", "<Szkola><Doc>Inne</Doc></Szkola>"));
    EXPECT_EQ(wrongType.exitCode, 2);
    EXPECT_EQ(wrongType.err, "Wystąpiły problemy z otwarciem pliku.\nBłędny typ pliku.\n");
    EXPECT_EQ(wrongType.out, "");

    const std::string damaged = dir.Write("b.xml", "<Szkola><Doc>Z karty</Doc><Info><IloscWierszy>x</IloscWierszy></Info></Szkola>");
    const std::string out = dir.Write("keep.htm", "previous page");
    const ToolRun render = RunTool("-o " + out + " " + damaged);
    EXPECT_EQ(render.exitCode, 4);
    EXPECT_EQ(render.err, "Wskazany plik jest uszkodzony lub nie jest plikiem sprawozdania.\n");
    EXPECT_EQ(Slurp(out), "previous page");

    std::string nested;
    for (int i = 0; i < 100000; ++i) nested += "<a>";
    const ToolRun deep = RunTool(dir.Write("deep.xml", nested));
    EXPECT_EQ(deep.exitCode, 3);
    EXPECT_EQ(deep.err, "Wystąpiły problemy z otwarciem pliku.\nPlik jest uszkodzony.\n");

    for (const std::string& missing : {dir.PathOf("brak.xml"), "--tree " + dir.PathOf("brak.xml")}) {
        const ToolRun run = RunTool(missing);
        EXPECT_EQ(run.exitCode, 3) << missing;
        EXPECT_EQ(run.err, "Wystąpiły problemy z otwarciem pliku.\nPlik nie istnieje.\n") << missing;
    }
}

// Every refusal of the command line says in Polish what was wrong, then how the tool is used.
TEST(RenderTool, UsageErrorsSayWhatWasWrongAndExitWithOne) {
    const struct {
        const char* arguments;
        const char* problem;
    } cases[] = {
        {"", ""},
        {"--bogus x", "nieznana opcja: --bogus"},
        {"-o", "opcja -o wymaga wartości"},
        {"-o only-out", "nie podano sprawozdania"},
        {"-o a -o b c.xml", "opcja -o podana dwa razy"},
        {"a.xml b.xml", "podano więcej niż jedno sprawozdanie (wiele naraz zapisuje -d)"},
        {"--csv a.xml", "--csv działa tylko z --list, --summary albo --check"},
        {"--check a b", "--check wymaga jednego folderu"},
        {"--check -d out a", "--check nie łączy się z -d"},
        {"--combined --csv a", "--csv działa tylko z --list, --summary albo --check"},
        {"--summary --check a", "--list, --combined, --summary i --check wykluczają się nawzajem"},
        {"--summary a b", "--summary wymaga jednego folderu"},
        {"-d out --combined a", "--combined nie łączy się z -d"},
        {"--list a b", "--list wymaga jednego folderu"},
        {"-d out", "-d wymaga sprawozdań albo folderów"},
        {"-d out -o page.htm a.xml", "-d nie łączy się z -o"},
        {"-d out --list a", "--list nie łączy się z -d"},
        {"--tree -o out a.xml", "--tree nie łączy się z innymi opcjami"},
        {"--help x", "opcja --help nie łączy się z niczym innym"},
    };
    const ToolRun help = RunTool("--help");
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(help.out.starts_with("Użycie:\n")) << help.out;
    EXPECT_NE(help.out.find("--list FOLDER"), std::string::npos);
    for (const auto& c : cases) {
        const ToolRun run = RunTool(c.arguments);
        EXPECT_EQ(run.exitCode, 1) << c.arguments;
        EXPECT_EQ(run.err, (*c.problem ? "ulnik-render: " + std::string(c.problem) + "\n" : "") + help.out)
            << c.arguments;
    }
}

// A folder where a report belongs, or a file where a folder does: the tool says what to do.
TEST(RenderTool, AFolderAndAFileMixedUpAreToldWhatToDo) {
    const std::string folder = Sample("odebrane"), report = Sample("z_karty.xml");
    const ToolRun asReport = RunTool(folder);
    EXPECT_EQ(asReport.exitCode, 2) << "a folder is no report";
    EXPECT_EQ(asReport.err, "Wystąpiły problemy z otwarciem pliku.\nBłędny typ pliku.\nulnik-render: " + folder +
                                " to folder: listę jego sprawozdań zapisuje ulnik-render --list " + folder +
                                ", a ich strony ulnik-render -d FOLDER_WYNIKÓW " + folder + "\n");
    for (const char* list : {"--list ", "--list --csv "}) {
        const ToolRun asFolder = RunTool(list + report);
        EXPECT_EQ(asFolder.exitCode, 3) << list;
        EXPECT_EQ(asFolder.err, "ulnik-render: " + report + " to plik, nie folder: stronę sprawozdania zapisuje "
                                "ulnik-render " + report + "\n") << list;
        EXPECT_EQ(asFolder.out, "") << list;
    }
}

// A folder that is not there, a file, or a name the system will not list: every folder mode says
// which, naming it, and exits 3, writing nothing.
TEST(RenderTool, FoldersThatCannotBeReadSaySoInEveryMode) {
    TempDir dir;
    const std::string file = dir.Write("a.xml", "<Szkola/>"), missing = dir.PathOf("brak"), loop = dir.PathOf("petla");
    struct Problem {
        std::string folder, said;
    };
    std::vector<Problem> problems = {
        {missing, "nie ma folderu " + missing},
        {file, file + " to plik, nie folder: stronę sprawozdania zapisuje ulnik-render " + file},
    };
#ifndef _WIN32
    std::filesystem::create_symlink(loop, loop);
    problems.push_back({loop, "nie można odczytać folderu " + loop + ": " + std::strerror(ELOOP)});
#endif
    for (const char* mode : {"--list", "--list --csv", "--summary", "--summary --csv", "--combined", "--check",
                             "--check --csv"}) {
        for (const auto& problem : problems) {
            const ToolRun run = RunTool(std::string(mode) + " " + problem.folder);
            EXPECT_EQ(run.exitCode, 3) << mode << " " << problem.folder;
            EXPECT_EQ(run.err, "ulnik-render: " + problem.said + "\n") << mode;
            EXPECT_EQ(run.out, "") << mode;
        }
    }
}

// Standard output named as a file is written as a stream: the system's links that name it are
// left as they are. /dev/stdout is tried in a mount namespace of its own, so that a fault could
// never replace the machine's.
TEST(RenderTool, OutputsThatNameAStreamAreWrittenNotReplaced) {
    const std::string page = RunTool(Sample("z_karty.xml")).out;
    for (const char* name : {"-", "/dev/fd/1", "/proc/self/fd/1"}) {
        const ToolRun run = RunTool(std::string("-o ") + name + " " + Sample("z_karty.xml"));
        EXPECT_EQ(run.exitCode, 0) << name << ": " << run.err;
        EXPECT_EQ(run.out, page) << name;
    }
    TempDir dir;
    const std::string link = dir.PathOf("out.htm");
    std::filesystem::create_symlink("/dev/null", link);
    EXPECT_EQ(RunTool("-o " + link + " " + Sample("z_karty.xml")).exitCode, 0);
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    if (std::system("unshare -m true 2>/dev/null") != 0) GTEST_SKIP() << "no mount namespace to be had";
    const std::string privateDev = "unshare -m sh -c 'mount -t tmpfs none /dev && ln -s /proc/self/fd/1 /dev/stdout && "
                                   "\"$0\" \"$@\" && test -L /dev/stdout' " + kTool;
    const ToolRun named = RunTool("-o /dev/stdout " + Sample("z_karty.xml"), "", "", privateDev);
    EXPECT_EQ(named.exitCode, 0) << named.err;  // and the link is still a link
    EXPECT_EQ(named.out, page) << named.err;
}

TEST(RenderTool, ListsAFolder) {
    const ToolRun list = RunTool("--list " + Sample("odebrane"));
    EXPECT_EQ(list.exitCode, 0) << list.err;
    EXPECT_NE(list.out.find(Cp1250("LISTA OTRZYMANYCH SPRAWOZDAŃ")), std::string::npos);
    EXPECT_NE(list.out.find("     Stan na: "), std::string::npos);
}

TEST(RenderTool, FolderListRefusals) {
    TempDir dir;
    const ToolRun none = RunTool("--list " + dir.path().string());
    EXPECT_EQ(none.exitCode, 5);
    EXPECT_EQ(none.err, "Brak plików z danymi we wskazanym folderze.\nProgram nie ma co przetwarzać.\n");
    dir.Write("obcy.xml", "<Inny/>");
    const ToolRun damaged = RunTool("--list " + dir.path().string());
    EXPECT_EQ(damaged.exitCode, 6);
    EXPECT_EQ(damaged.err, "Co najmniej jeden z plików we wskazanym folderze jest uszkodzony.\n"
                           "Zbadaj pliki sprawozdań korzystając z modułu Ulnik.\n"
                           "Uszkodzone pliki: obcy.xml\n");
    EXPECT_EQ(damaged.out, "");
}

TEST(RenderTool, PrintsTheTree) {
    TempDir dir;
    const ToolRun run = RunTool("--tree " + dir.Write("a.xml", Cp1250("<?xml version=\"1.0\"?>\r\n<Szkola><Doc a=\"1\">Zażółć</Doc></Szkola>")));
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, "result: true\nbom: false\nroot\n"
                       "  instruction name=\"xml\" text=\"\"\n"
                       "    @\"version\"=\"1.0\"\n"
                       "  element name=\"Szkola\" text=\"\"\n"
                       "    element name=\"Doc\" text=\"Zażółć\"\n"
                       "      @\"a\"=\"1\"\n");
    const ToolRun empty = RunTool("--tree " + dir.Write("empty.xml", ""));
    EXPECT_EQ(empty.exitCode, 0);
    EXPECT_EQ(empty.out, "result: false\nbom: false\nroot\n");
}

namespace {

const std::string kDamaged = "Wskazany plik jest uszkodzony lub nie jest plikiem sprawozdania.\n";

// A card-hours report whose one block asks for `lines` lines, padded to `size` bytes.
std::string OneBlockReport(size_t lines, size_t size) {
    std::string xml = "<Szkola><Doc>Z karty</Doc><Info><IloscWierszy>" + std::to_string(lines) +
                      "</IloscWierszy></Info></Szkola>";
    return xml + "<!--" + std::string(size - xml.size() - 7, 'x') + "-->";
}

}  // namespace

TEST(RenderTool, OutputThatCannotBeWrittenIsExitFourWithTheReason) {
    const std::string folder = Sample("odebrane"), report = Sample("z_karty.xml");
    for (const std::string& arguments : {report, "--list " + folder, "--tree " + report, std::string("--help")}) {
        const ToolRun full = RunTool(arguments, "", ">/dev/full");
        EXPECT_EQ(full.exitCode, 4) << arguments;
        EXPECT_EQ(full.err, "ulnik-render: standardowe wyjście: No space left on device\n") << arguments;
        const ToolRun closed = RunTool(arguments, "", ">&-");
        EXPECT_EQ(closed.exitCode, 4) << arguments;
        EXPECT_EQ(closed.err, "ulnik-render: standardowe wyjście: Bad file descriptor\n") << arguments;
    }
    EXPECT_EQ(RunTool(report, "LC_ALL=pl_PL.UTF-8", ">/dev/full").err,
              "ulnik-render: standardowe wyjście: Brak miejsca na urządzeniu\n");
}

// Standard output is written directly: no scratch file, so no temporary folder is needed.
TEST(RenderTool, NeedsNoTemporaryFolder) {
    const std::string expected = RunTool(Sample("z_karty.xml")).out;
    for (const char* tmpdir : {"/nonexistent", "/dev/null"}) {
        const ToolRun run = RunTool(Sample("z_karty.xml"), std::string("TMPDIR=") + tmpdir);
        EXPECT_EQ(run.exitCode, 0) << tmpdir << run.err;
        EXPECT_EQ(run.out, expected) << tmpdir;
    }
    EXPECT_EQ(RunTool("--list " + Sample("odebrane"), "TMPDIR=/nonexistent").exitCode, 0);
}

TEST(RenderTool, NeverOverwritesTheReportOrWritesThroughALink) {
    TempDir dir;
    const std::string original = ReadFileExclusive(Sample("z_karty.xml"));
    const std::string report = dir.Write("self.xml", original);
    ASSERT_EQ(::symlink(report.c_str(), dir.PathOf("link.xml").c_str()), 0);
    for (const std::string& out : {report, dir.PathOf("link.xml")}) {
        const ToolRun run = RunTool("-o " + out + " " + report);
        EXPECT_EQ(run.exitCode, 1) << out;
        EXPECT_EQ(run.err, "ulnik-render: strona nie zostanie zapisana na samym sprawozdaniu: " + out + "\n");
    }
    const ToolRun list = RunTool("--list --csv -o " + report + " " + dir.path().string());
    EXPECT_EQ(list.exitCode, 1);
    EXPECT_EQ(list.err, "ulnik-render: lista nie zostanie zapisana na sprawozdaniu z folderu: " + report + "\n");
    EXPECT_EQ(ReadFileExclusive(report), original);

    const std::string victim = dir.Write("victim", "precious");
    const std::string out = dir.PathOf("page.htm");
    ASSERT_EQ(::symlink(victim.c_str(), out.c_str()), 0);
    ASSERT_EQ(::symlink(victim.c_str(), (out + ".new").c_str()), 0);
    EXPECT_EQ(RunTool("-o " + out + " " + report).exitCode, 0);
    EXPECT_EQ(ReadFileExclusive(victim), "precious");
    EXPECT_EQ(ReadFileExclusive(out), RunTool(report).out);
}

// An output that cannot be written is named with the system's reason; the report, sound, is not
// blamed, and no scratch file's name shows.
TEST(RenderTool, WriteFailuresNameTheOutputAndTheReason) {
    TempDir dir;
    std::filesystem::create_directory(dir.PathOf("folder"));
    std::filesystem::create_directory(dir.PathOf("pages"));
    std::filesystem::create_directory(dir.PathOf("pages/z_karty.htm"));
    const std::string report = Sample("z_karty.xml"), folder = Sample("odebrane");
    // A school page that is not written names no left-out file: there is no page to miss it from.
    TempDir mixedFolder;
    const std::string mixed = mixedFolder.path().string();
    std::filesystem::copy(Sample("klasyfikacja_klasy_3a.xml"), mixed + "/3a.xml");
    mixedFolder.Write("obcy.xml", "<Inny/>");
    const struct {
        std::string arguments;
        std::string err;
        std::string environment = "";
    } cases[] = {
        {"-o " + dir.PathOf("no/page.htm") + " " + report,
         "Nie można zapisać pliku " + dir.PathOf("no/page.htm") + ": No such file or directory\n"},
        {"-o " + dir.PathOf("folder") + " " + report,
         "Nie można zapisać pliku " + dir.PathOf("folder") + ": Is a directory\n"},
        {"-o " + dir.PathOf(std::string(250, 'n')) + " " + report,
         "Nie można zapisać pliku " + dir.PathOf(std::string(250, 'n')) + ": File name too long\n"},
        {"-o " + dir.PathOf("page.htm") + " " + report,
         "Nie można zapisać pliku " + dir.PathOf("page.htm") + ": File too large\n", "ulimit -f 1;"},
        {"-o " + dir.PathOf("no/page.htm") + " " + report,
         "Nie można zapisać pliku " + dir.PathOf("no/page.htm") + ": Nie ma takiego pliku ani katalogu\n",
         "LC_ALL=pl_PL.UTF-8"},
        {"--list -o " + dir.PathOf("no/list") + " " + folder,
         "Nie można zapisać pliku " + dir.PathOf("no/list") + ": No such file or directory\n"},
        {"--list --csv -o " + dir.PathOf("no/list") + " " + folder,
         "Nie można zapisać pliku " + dir.PathOf("no/list") + ": No such file or directory\n"},
        {"--summary -o " + dir.PathOf("no/summary") + " " + folder,
         "Nie można zapisać pliku " + dir.PathOf("no/summary") + ": No such file or directory\n"},
        {"--summary --csv -o " + dir.PathOf("no/summary") + " " + folder,
         "Nie można zapisać pliku " + dir.PathOf("no/summary") + ": No such file or directory\n"},
        {"--summary -o " + dir.PathOf("no/summary") + " " + mixed,
         "Nie można zapisać pliku " + dir.PathOf("no/summary") + ": No such file or directory\n"},
        {"--combined -o " + dir.PathOf("folder") + " " + folder,
         "Nie można zapisać pliku " + dir.PathOf("folder") + ": Is a directory\n"},
        {"-d " + dir.PathOf("pages") + " " + report,
         report + ": Nie można zapisać pliku " + dir.PathOf("pages/z_karty.htm") + ": Is a directory\n"},
    };
    for (const auto& c : cases) {
        const ToolRun run = RunTool(c.arguments, c.environment);
        EXPECT_EQ(run.exitCode, 4) << c.arguments;
        EXPECT_EQ(run.err, c.err) << c.arguments;
    }
}

// Only the order of the folder list needs the locale module (and Qt): a page with an average
// is made without it, with the user's separator.
TEST(RenderTool, OnlyTheFolderListNeedsTheLocaleModule) {
    TempDir dir;
    const std::string alone = dir.PathOf("ulnik-render");
    std::filesystem::copy_file(kTool, alone);
    const std::string report = Sample("klasyfikacja_klasy_3a.xml");
    const ToolRun page = RunTool(report, "LC_ALL=pl_PL.UTF-8", "", alone);
    EXPECT_EQ(page.exitCode, 0) << page.err;
    EXPECT_EQ(page.out, RunTool(report, "LC_ALL=pl_PL.UTF-8").out);
    EXPECT_NE(page.out.find(" - 4,75</li>"), std::string::npos);
    const ToolRun list = RunTool("--list " + Sample("odebrane"), "", "", alone);
    EXPECT_EQ(list.exitCode, 6);
    EXPECT_TRUE(list.err.starts_with("ulnik-render: nie można wczytać modułu ustawień regionalnych ")) << list.err;
    EXPECT_NE(list.err.find("libulnik_locale.so: "), std::string::npos) << list.err;
}

// Under an address-space limit the page of a report asking for four million missing lines
// cannot be built: the report is damaged, and the tool says so and ends.
TEST(RenderTool, RunningOutOfMemoryIsADamagedReportNotACrash) {
    TempDir dir;
    const std::string report = dir.Write("big.xml", OneBlockReport(4000000, 4 << 20));
    const ToolRun run = RunTool(report, "ulimit -v 100000;");
    EXPECT_EQ(run.exitCode, 4);
    EXPECT_EQ(run.err, kDamaged);
    EXPECT_EQ(run.out, "");
}

// Two gigabytes, refused at once for their size.
TEST(RenderTool, AFileTooLargeToBeAReportIsDamaged) {
    TempDir dir;
    const ToolRun run = RunTool(dir.WriteSparse("x.xml", off_t{2} << 30));
    EXPECT_EQ(run.exitCode, 4);
    EXPECT_EQ(run.err, kDamaged + "plik jest za duży: 2048 MB\n");
    EXPECT_EQ(RunTool("--list " + dir.path().string()).exitCode, 6);
}

TEST(RenderTool, WarnsOfAFileReadOnlyInPart) {
    TempDir dir;
    const std::string whole = "<Szkola><Doc>Z karty</Doc><Info><IloscWierszy>2</IloscWierszy><w0>a</w0><w1>b";
    const std::string cut = dir.Write("cut.xml", whole);
    const std::string warning =
        "uwaga: plik jest niekompletny: wiersz 1, kolumna 78: plik urywa się przed </w1> (bajt 77)\n";
    const ToolRun page = RunTool(cut);
    EXPECT_EQ(page.exitCode, 0);
    EXPECT_EQ(page.err, warning);
    EXPECT_EQ(page.out, RunTool(dir.Write("whole.xml", whole + "</w1></Info></Szkola>")).out);
    const ToolRun tree = RunTool("--tree " + cut);
    EXPECT_EQ(tree.exitCode, 0);
    EXPECT_EQ(tree.err, warning);
    EXPECT_TRUE(tree.out.starts_with("result: true\n"));

    // UTF-8 cut inside a letter: that letter alone is lost.
    const ToolRun utf8 = RunTool(
        dir.Write("cut8.xml", "<Szkola><Doc>Z karty</Doc><Info><IloscWierszy>1</IloscWierszy>" "<w0>Zażół\xC4"));
    EXPECT_EQ(utf8.exitCode, 0);
    EXPECT_EQ(utf8.err, "uwaga: plik jest niekompletny: wiersz 1, kolumna 72: plik urywa się przed </w0> (bajt 74)\n");
    EXPECT_NE(utf8.out.find(Cp1250("   Zażół<br>")), std::string::npos);

    // Cut inside a name: the name as the file has it, its control characters written out.
    for (const auto& [bytes, element] : {std::pair<std::string, std::string>{"<Szkola><P", "P"},
                                         {"<Szkola><P\x01\x1B", "P\\x01\\x1B"}}) {
        const ToolRun name = RunTool(dir.Write("name.xml", bytes));
        const std::string where = "wiersz 1, kolumna " + std::to_string(bytes.size() + 1);
        EXPECT_EQ(name.err, "Wystąpiły problemy z otwarciem pliku.\nBłędny typ pliku.\nuwaga: plik jest niekompletny: " +
                                where + ": plik urywa się przed </" + element + "> (bajt " +
                                std::to_string(bytes.size()) + ")\n");
    }
}
