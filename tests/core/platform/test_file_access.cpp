#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstring>
#include <thread>
#include <vector>

// The tests of FIFOs, links, modes and resource limits are POSIX's alone; Windows has its own
// in test_file_access_windows.cpp.
#ifndef _WIN32
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

#include "file_access.h"
#include "held_file.h"
#include "temp_dir.h"

TEST(FileAccess, ExistenceIgnoresDirectories) {
    TempDir dir;
    EXPECT_TRUE(FileExists(dir.Write("a.xml", "x")));
    EXPECT_FALSE(FileExists(dir.PathOf("missing.xml")));
    EXPECT_FALSE(FileExists(dir.path().string()));
}

TEST(FileAccess, ReadsEveryByte) {
    TempDir dir;
    const std::string bytes("a\0b\xFF\r\n", 6);
    EXPECT_EQ(ReadFileExclusive(dir.Write("a.xml", bytes)), bytes);
    EXPECT_EQ(ReadFileExclusive(dir.Write("empty.xml", "")), "");
}

// Another reader holding its lock for the moment of a read is waited for; one that holds it on
// is refused.
TEST(FileAccess, WaitsAMomentForAnotherReaderThenRefuses) {
    TempDir dir;
    const std::string path = dir.Write("held.xml", "<a/>");
    LockedByAnotherReader holder(path);
    ASSERT_TRUE(holder.locked());
    EXPECT_THROW(ReadFileExclusive(path), FileOpenError);
    holder.LetGo();
    EXPECT_EQ(ReadFileExclusive(path), "<a/>");
}

TEST(FileAccess, WaitsForAReaderThatLetsGoAtOnce) {
    TempDir dir;
    const std::string path = dir.Write("held.xml", "<a/>");
    LockedByAnotherReader holder(path);
    ASSERT_TRUE(holder.locked());
    std::thread letGo([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        holder.LetGo();
    });
    EXPECT_EQ(ReadFileExclusive(path), "<a/>");
    letGo.join();
}

TEST(FileAccess, RefusesWhatCannotBeRead) {
    TempDir dir;
    EXPECT_THROW(ReadFileExclusive(dir.PathOf("missing.xml")), FileOpenError);
    EXPECT_THROW(ReadFileExclusive(Utf8Path(dir.path())), FileOpenError);
#ifndef _WIN32
    const std::string fifo = dir.PathOf("pipe.xml");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_THROW(ReadFileExclusive(fifo), FileOpenError);  // and does not hang
    ASSERT_EQ(::symlink(dir.PathOf("gone.xml").c_str(), dir.PathOf("dangling.xml").c_str()), 0);
    EXPECT_THROW(ReadFileExclusive(dir.PathOf("dangling.xml")), FileOpenError);
    ASSERT_EQ(::symlink("loop.xml", dir.PathOf("loop.xml").c_str()), 0);
    EXPECT_THROW(ReadFileExclusive(dir.PathOf("loop.xml")), FileOpenError);
#endif
}

TEST(FileAccess, RefusesAFileOverTheSizeLimit) {
    TempDir dir;
    EXPECT_EQ(ReadFileExclusive(dir.WriteSparse("at.xml", 5), 5), std::string(5, '\0'));
    try {
        ReadFileExclusive(dir.WriteSparse("over.xml", 6), 5);
        ADD_FAILURE() << "read a file over the limit";
    } catch (const FileTooLarge& error) {
        EXPECT_EQ(error.size(), 6u);
    }
}

class Replacing : public ::testing::Test {
protected:
    // The names in the folder: a failed or finished write leaves no scratch file behind.
    std::vector<std::string> Names() const {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(dir.path()))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    TempDir dir;
};

TEST_F(Replacing, WritesTheWholeFileKeepingItsPermissions) {
    const std::string path = dir.Write("Temp.htm", "old page");
    dir.Write("Temp.htm.new", "someone else's");
#ifndef _WIN32
    ASSERT_EQ(::chmod(path.c_str(), 0640), 0);
#endif
    WriteFileReplacing(path, "new\r\npage\r\n");
    EXPECT_EQ(ReadFileExclusive(path), "new\r\npage\r\n");
#ifndef _WIN32
    struct stat st {};
    ASSERT_EQ(::stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
#endif
    EXPECT_EQ(ReadFileExclusive(path + ".new"), "someone else's");
    EXPECT_EQ(Names(), (std::vector<std::string>{"Temp.htm", "Temp.htm.new"}));
}

#ifndef _WIN32

TEST_F(Replacing, ANewFileTakesTheUmasksPermissions) {
    const mode_t old = ::umask(027);
    WriteFileReplacing(dir.PathOf("Temp.htm"), "page");
    ::umask(old);
    struct stat st {};
    ASSERT_EQ(::stat(dir.PathOf("Temp.htm").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
}

// Links planted under the target's name or the old scratch name lead nowhere: the file they
// point to stays as it was.
TEST_F(Replacing, NeverWritesThroughALink) {
    const std::string victim = dir.Write("victim", "precious");
    const std::string out = dir.PathOf("out.htm");
    ASSERT_EQ(::symlink(victim.c_str(), (out + ".new").c_str()), 0);
    ASSERT_EQ(::symlink(victim.c_str(), out.c_str()), 0);
    WriteFileReplacing(out, "page");
    EXPECT_EQ(ReadFileExclusive(victim), "precious");
    EXPECT_EQ(ReadFileExclusive(out), "page");
    EXPECT_FALSE(std::filesystem::is_symlink(out));
    EXPECT_EQ(Names(), (std::vector<std::string>{"out.htm", "out.htm.new", "victim"}));
}

TEST_F(Replacing, APipeIsWrittenIntoNotReplacedAndNeverWaitedOn) {
    const std::string fifo = dir.PathOf("pipe");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    try {
        WriteFileReplacing(fifo, "page");  // nobody reads it: fails at once
        ADD_FAILURE() << "wrote into a pipe nobody reads";
    } catch (const FileWriteError& error) {
        EXPECT_EQ(error.path(), fifo);
    }
    const int reader = ::open(fifo.c_str(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(reader, 0);
    WriteFileReplacing(fifo, "page");
    char got[8] = {};
    EXPECT_EQ(::read(reader, got, sizeof got), 4);
    EXPECT_EQ(std::string(got), "page");
    ::close(reader);
    EXPECT_TRUE(std::filesystem::is_fifo(fifo));
    EXPECT_EQ(Names(), std::vector<std::string>{"pipe"});
}

// A pipe reached through a link is written as a stream, the link kept, as /dev/stdout is. A
// private file (the page file) is never fed to a pipe, even one being read: the pipe is replaced.
TEST_F(Replacing, ALinkToAPipeFeedsItAPrivateFileNever) {
    const std::string fifo = dir.PathOf("pipe");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const int reader = ::open(fifo.c_str(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(reader, 0);
    ASSERT_EQ(::symlink(fifo.c_str(), dir.PathOf("out.pdf").c_str()), 0);
    WriteFileReplacing(dir.PathOf("out.pdf"), "pdf");
    char got[8] = {};
    EXPECT_EQ(::read(reader, got, sizeof got), 3);
    EXPECT_EQ(std::string(got), "pdf");
    EXPECT_TRUE(std::filesystem::is_symlink(dir.PathOf("out.pdf")));
    WriteFileReplacing(fifo, "page", NewMode::OwnerOnly);
    EXPECT_EQ(::read(reader, got, sizeof got), 0);
    ::close(reader);
    EXPECT_EQ(ReadFileExclusive(fifo), "page");
    EXPECT_TRUE(std::filesystem::is_regular_file(fifo));
}

// Every failure names what could not be written and the system's reason, and leaves the old
// file whole with no scratch file beside it.
TEST_F(Replacing, FailuresSayWhereAndWhy) {
    const std::string old = dir.Write("Temp.htm", "old page");
    std::filesystem::create_directory(dir.PathOf("folder"));
    const std::string longName = dir.PathOf(std::string(250, 'n'));
    const struct {
        std::string path;
        int error;
        std::string_view bytes;
    } cases[] = {
        {dir.PathOf("no/such/Temp.htm"), ENOENT, "x"},
        {dir.PathOf("folder"), EISDIR, "x"},
        {longName, ENAMETOOLONG, "x"},
        {old, EFBIG, std::string_view("0123456789abcdef0123456789abcdef")},  // past the limit set below
    };
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit saved {};
    ::getrlimit(RLIMIT_FSIZE, &saved);
    for (const auto& c : cases) {
        rlimit limit = saved;
        if (c.error == EFBIG) limit.rlim_cur = 16;
        ::setrlimit(RLIMIT_FSIZE, &limit);
        try {
            WriteFileReplacing(c.path, c.bytes);
            ADD_FAILURE() << c.path;
        } catch (const FileWriteError& error) {
            EXPECT_EQ(error.path(), c.path) << "never the scratch file's name";
            EXPECT_EQ(error.reason(), std::strerror(c.error)) << c.path;
            EXPECT_EQ(std::string(error.what()), error.path() + ": " + error.reason());
        }
        ::setrlimit(RLIMIT_FSIZE, &saved);
    }
    EXPECT_EQ(ReadFileExclusive(old), "old page");
    EXPECT_EQ(Names(), (std::vector<std::string>{"Temp.htm", "folder"}));
}

#endif

TEST(FileAccess, SameFileFollowsLinksAndNames) {
    TempDir dir;
    const std::string file = dir.Write("a.xml", "x");
    const std::string other = dir.Write("b.xml", "x");
#ifndef _WIN32
    ASSERT_EQ(::symlink(file.c_str(), dir.PathOf("link.xml").c_str()), 0);
    EXPECT_TRUE(SameFile(file, dir.PathOf("link.xml")));
#endif
    EXPECT_TRUE(SameFile(file, Utf8Path(dir.path()) + "/./a.xml"));
    EXPECT_FALSE(SameFile(file, other));
    EXPECT_FALSE(SameFile(file, dir.PathOf("missing.xml")));
}
