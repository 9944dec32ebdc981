// ulnik-render -d: many pages in one run.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#include "temp_dir.h"
#include "tool_run.h"

namespace fs = std::filesystem;

namespace {

const std::string kDamagedReport =
    "<Szkola><Doc>Z karty</Doc><Info><IloscWierszy>x</IloscWierszy></Info></Szkola>";

std::set<std::string> NamesIn(const std::string& folder) {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) names.insert(entry.path().filename().string());
    return names;
}

std::string Copy(const std::string& sample, const TempDir& dir, const std::string& name) {
    fs::create_directories(fs::path(dir.PathOf(name)).parent_path());
    return dir.Write(name, ReadFileExclusive(Sample(sample)));
}

}  // namespace

TEST(RenderBatch, WritesEachPageAsASingleRunWouldAndNamesTheRefused) {
    TempDir in, out;
    const std::string a = Copy("z_karty.xml", in, "a.xml"), b = Copy("inne_informacje.xml", in, "b.XML");
    const std::string damaged = in.Write("c.xml", kDamagedReport);
    const std::string single = Sample("klasyfikacja_klasy_3a.xml");
    TempDir other;
    const std::string plain = Copy("z_karty.xml", other, "raport.txt");  // named, so taken whatever its name
    const ToolRun run = RunTool("-d " + out.path().string() + " " + in.path().string() + " " + single + " " + plain);
    EXPECT_EQ(run.exitCode, 4);
    EXPECT_EQ(run.err, damaged + ": Wskazany plik jest uszkodzony lub nie jest plikiem sprawozdania.\n");
    EXPECT_EQ(NamesIn(out.path().string()),
              (std::set<std::string>{"a.htm", "b.htm", "klasyfikacja_klasy_3a.htm", "raport.txt.htm"}));
    EXPECT_EQ(Slurp(out.PathOf("raport.txt.htm")), RunTool(plain).out);
    EXPECT_EQ(Slurp(out.PathOf("a.htm")), RunTool(a).out);
    EXPECT_EQ(Slurp(out.PathOf("b.htm")), RunTool(b).out);
    EXPECT_EQ(Slurp(out.PathOf("klasyfikacja_klasy_3a.htm")), RunTool(single).out);
}

// Two reports of one name: the first named keeps the page, the later is refused, naming both.
TEST(RenderBatch, APageNameIsNeverTakenTwice) {
    TempDir in;
    const std::string x = Copy("z_karty.xml", in, "x/a.xml"), y = Copy("inne_informacje.xml", in, "y/a.xml");
    fs::create_directory(in.PathOf("empty"));
    const struct {
        std::string inputs;
        int exitCode;
        std::string err;  // "OUT" stands for the output folder
    } cases[] = {
        {x + " " + y, 4, y + ": nie zapisano: OUT/a.htm to strona sprawozdania " + x + "\n"},
        {in.PathOf("x") + " " + in.PathOf("x/./a.xml"), 0, ""},
        {in.PathOf("empty") + " " + x, 5,
         in.PathOf("empty") + ": Brak plików z danymi we wskazanym folderze. Program nie ma co przetwarzać.\n"},
    };
    const std::string page = RunTool(x).out;
    for (const auto& c : cases) {
        TempDir out;
        const ToolRun run = RunTool("-d " + out.path().string() + " " + c.inputs);
        std::string err = c.err;
        if (const size_t at = err.find("OUT"); at != std::string::npos) err.replace(at, 3, out.path().string());
        EXPECT_EQ(run.exitCode, c.exitCode) << c.inputs;
        EXPECT_EQ(run.err, err) << c.inputs;
        EXPECT_EQ(NamesIn(out.path().string()), std::set<std::string>{"a.htm"}) << c.inputs;
        EXPECT_EQ(Slurp(out.PathOf("a.htm")), page) << c.inputs;
    }
}

// However a file is named, each refused one is one line, and no byte of its name reaches the
// terminal as a command.
TEST(RenderBatch, ARefusedFileIsOneLineWhateverItsName) {
    const struct {
        std::string name;
        std::string shown;
    } cases[] = {
        {"nowa\nlinia.xml", "nowa\\nlinia.xml"},
        {"powrót\r.xml", "powrót\\r.xml"},
        {"esc\x1B[2J.xml", "esc\\x1B[2J.xml"},
        {"csi\xC2\x9B" "2J.xml", "csi\\x9B" "2J.xml"},
        {"cp1250 \xB3\x9B.xml", "cp1250 \\xB3\\x9B.xml"},
    };
    for (const auto& c : cases) {
        TempDir in, out;
        in.Write(c.name, kDamagedReport);
        const ToolRun run = RunTool("-d " + out.path().string() + " " + in.path().string());
        EXPECT_EQ(run.err, in.PathOf(c.shown) + ": Wskazany plik jest uszkodzony lub nie jest plikiem sprawozdania.\n")
            << c.shown;
    }
}

TEST(RenderBatch, TheOutputFolderMustExist) {
    TempDir dir;
    const std::string file = dir.Write("file", "");
    for (const auto& [folder, reason] : {std::pair{dir.PathOf("missing"), "No such file or directory"},
                                         std::pair{file, "Not a directory"}}) {
        const ToolRun run = RunTool("-d " + folder + " " + Sample("z_karty.xml"));
        EXPECT_EQ(run.exitCode, 4);
        EXPECT_EQ(run.err, "ulnik-render: folder wyników " + folder + ": " + reason + "\n");
    }
    EXPECT_EQ(NamesIn(dir.path().string()), std::set<std::string>{"file"});
}
