#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <sys/wait.h>

#include "file_access.h"
#include "temp_dir.h"
#include "test_text.h"

namespace {

struct ToolRun {
    int exitCode;
    std::string out;
    std::string err;
};

std::string Slurp(const std::string& path) { return FileExists(path) ? ReadFileExclusive(path) : ""; }

// Runs ulnik-render with the arguments (already quoted for the shell).
ToolRun RunTool(const std::string& arguments, const std::string& environment = "") {
    TempDir scratch;
    const std::string out = scratch.PathOf("out"), err = scratch.PathOf("err");
    const std::string command =
        environment + " " ULNIK_BINARY_DIR "/app/ulnik-render " + arguments + " >" + out + " 2>" + err;
    const int status = std::system(command.c_str());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, Slurp(out), Slurp(err)};
}

std::string Sample(const std::string& name) { return std::string(ULNIK_SOURCE_DIR "/samples/") + name; }

}  // namespace

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
}

TEST(RenderTool, UsageErrorsExitWithOne) {
    EXPECT_EQ(RunTool("").exitCode, 1);
    EXPECT_EQ(RunTool("--bogus x").exitCode, 1);
    EXPECT_EQ(RunTool("-o only-out").exitCode, 1);
    const ToolRun help = RunTool("--help");
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_NE(help.out.find("--list FOLDER"), std::string::npos);
}

TEST(RenderTool, ListsAFolder) {
    const ToolRun run = RunTool(Sample("odebrane"));
    EXPECT_EQ(run.exitCode, 2) << "a folder is no report";
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
                           "Zbadaj pliki sprawozdań korzystając z modułu Ulnik.\n");
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
    const ToolRun missing = RunTool("--tree " + dir.PathOf("missing.xml"));
    EXPECT_EQ(missing.exitCode, 0);
    EXPECT_EQ(missing.out, "result: false\nbom: false\nroot\n");
}
