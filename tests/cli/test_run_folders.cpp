// The viewer's page folders of runs that are gone are cleared away at the next start; nothing
// else is: not a live run's, not another user's, not one without a mark, not through a link.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sys/wait.h>
#include <unistd.h>

#include "run_folders.h"
#include "temp_dir.h"

namespace {

namespace fs = std::filesystem;

// The id of a process that has ended.
pid_t GonePid() {
    const pid_t child = ::fork();
    if (child == 0) ::_exit(0);
    ::waitpid(child, nullptr, 0);
    return child;
}

fs::path RunFolder(const TempDir& parent, const std::string& name, const std::string& mark) {
    const fs::path folder = parent.path() / name;
    fs::create_directory(folder);
    std::ofstream(folder / "Temp.htm") << "<p>pupils</p>";
    if (!mark.empty()) std::ofstream(folder / "run") << mark;
    return folder;
}

TEST(RunFolders, OnlyTheUsersOwnFoldersOfRunsThatAreGoneAreRemoved) {
    TempDir parent, elsewhere;
    const std::string gone = std::to_string(GonePid());
    const fs::path dead = RunFolder(parent, "ulnik-dead", gone + " 1");
    const fs::path reused = RunFolder(parent, "ulnik-reused", std::to_string(::getpid()) + " 1");  // another start
    const fs::path unmarked = RunFolder(parent, "ulnik-old", "");
    const fs::path other = RunFolder(parent, "inne-dead", gone);
    const fs::path target = RunFolder(elsewhere, "ulnik-target", gone);
    fs::create_directory_symlink(target, parent.path() / "ulnik-link");
    const fs::path live = parent.path() / "ulnik-live";
    fs::create_directory(live);
    MarkRunFolder(live.string());
    const fs::path foreign = RunFolder(parent, "ulnik-foreign", gone);
    const bool asRoot = ::getuid() == 0 && ::chown(foreign.c_str(), 65534, 65534) == 0;

    RemoveStaleRunFolders(parent.path().string(), "ulnik-");
    EXPECT_FALSE(fs::exists(dead));
    EXPECT_FALSE(fs::exists(reused));
    EXPECT_TRUE(fs::exists(unmarked / "Temp.htm"));
    EXPECT_TRUE(fs::exists(other / "Temp.htm"));
    EXPECT_TRUE(fs::exists(target / "Temp.htm"));
    EXPECT_TRUE(fs::is_symlink(parent.path() / "ulnik-link"));
    EXPECT_TRUE(fs::exists(live / "run"));
    if (asRoot) {
        EXPECT_TRUE(fs::exists(foreign / "Temp.htm"));
    }
    UnmarkRunFolder(live.string());
    EXPECT_FALSE(fs::exists(live / "run"));
}

}  // namespace
