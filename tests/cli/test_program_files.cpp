#include <gtest/gtest.h>

#include <cstdlib>

#include "program_files.h"
#include "program_fonts.h"
#include "temp_dir.h"

namespace {

// An install tree (bin/ beside share/ulnik/) with the given program files in each place.
struct InstallTree {
    TempDir root;
    std::string bin;

    InstallTree(std::initializer_list<const char*> besideExe, std::initializer_list<const char*> inData) {
        std::filesystem::create_directories(root.path() / "bin");
        std::filesystem::create_directories(root.path() / "share/ulnik");
        bin = root.PathOf("bin");
        for (const char* name : besideExe) root.Write(std::string("bin/") + name, "beside");
        for (const char* name : inData) root.Write(std::string("share/ulnik/") + name, "installed");
    }
};

}  // namespace

TEST(ProgramFiles, BesideTheExecutableFirstThenTheInstalledDataFolder) {
    const InstallTree both({"fonts.conf"}, {"fonts.conf"});
    EXPECT_EQ(FindProgramFile(both.bin, "fonts.conf"), both.root.PathOf("bin/fonts.conf"));

    const InstallTree installed({}, {"fonts.conf"});
    EXPECT_EQ(FindProgramFile(installed.bin, "fonts.conf"), installed.root.PathOf("share/ulnik/fonts.conf"));
    EXPECT_EQ(FindProgramFile(installed.bin, "pomoc/index.htm"), std::nullopt);
}

TEST(ProgramFonts, PointsFontconfigAtTheProgramsFileUnlessTheUserChoseOne) {
    const InstallTree tree({}, {"fonts.conf"});
    ::unsetenv("FONTCONFIG_FILE");
    EXPECT_TRUE(UseProgramFonts(tree.bin));
    EXPECT_STREQ(std::getenv("FONTCONFIG_FILE"), tree.root.PathOf("share/ulnik/fonts.conf").c_str());

    ::setenv("FONTCONFIG_FILE", "/home/user/my-fonts.conf", 1);
    EXPECT_FALSE(UseProgramFonts(tree.bin));
    EXPECT_STREQ(std::getenv("FONTCONFIG_FILE"), "/home/user/my-fonts.conf");

    ::unsetenv("FONTCONFIG_FILE");
    EXPECT_FALSE(UseProgramFonts(InstallTree({}, {}).bin));
    EXPECT_EQ(std::getenv("FONTCONFIG_FILE"), nullptr);
}
