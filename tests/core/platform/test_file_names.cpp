#include <gtest/gtest.h>

#include <string>

#include "file_names.h"

#ifdef _WIN32
constexpr bool kWindows = true;
#else
constexpr bool kWindows = false;
#endif

// Messages name a folder's reports as the user spelled the folder. On POSIX that is exactly
// what std::filesystem's join gives, which the messages have always shown.
TEST(FileNames, AReportInAFolderIsSpelledAsTheFolderIs) {
    const struct {
        std::string folder, windows;
    } cases[] = {
        {"raporty", "raporty/a.xml"},
        {"raporty/", "raporty/a.xml"},
        {"samples/odebrane", "samples/odebrane/a.xml"},
        {"C:\\szkoła\\raporty", "C:\\szkoła\\raporty\\a.xml"},
        {"C:\\szkoła/raporty", "C:\\szkoła/raporty/a.xml"},
        {"C:\\", "C:\\a.xml"},
        {"C:", "C:a.xml"},
        {".", "./a.xml"},
        {"/", "/a.xml"},
        {"", "a.xml"},
    };
    for (const auto& c : cases) {
        const std::string expected = kWindows ? c.windows : Utf8Path(FsPath(c.folder) / FsPath("a.xml"));
        EXPECT_EQ(InFolder(c.folder, "a.xml"), expected) << c.folder;
    }
}

TEST(FileNames, PolishLettersSurviveTheWayThroughTheFileSystemLibrary) {
    const std::string name = "Zażółć gęślą jaźń.xml";
    EXPECT_EQ(Utf8Path(FsPath(name)), name);
    const std::u8string held = FsPath(name).u8string();  // from the path's own characters
    EXPECT_EQ(std::string(held.begin(), held.end()), name);
    EXPECT_EQ(PathFileName("odebrane/" + name), name);
    if (kWindows) {
        EXPECT_EQ(PathFileName("C:\\odebrane\\" + name), name);
    }
}

TEST(FileNames, NamesDifferingInCaseAloneAreOneFileOnlyOnWindows) {
    EXPECT_EQ(FileNameKey("Zażółć.htm") == FileNameKey("ZAŻÓŁĆ.HTM"), kWindows);
    EXPECT_NE(FileNameKey("Zażółć.htm"), FileNameKey("Zazolc.htm"));
}
