#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include "file_access.h"
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

TEST(FileAccess, RefusesAFileAnotherReaderHolds) {
    TempDir dir;
    const std::string path = dir.Write("held.xml", "<a/>");
    const int holder = ::open(path.c_str(), O_RDONLY);
    ASSERT_EQ(::flock(holder, LOCK_EX), 0);
    EXPECT_THROW(ReadFileExclusive(path), FileOpenError);
    ::close(holder);
    EXPECT_EQ(ReadFileExclusive(path), "<a/>");
}

TEST(FileAccess, RefusesWhatCannotBeRead) {
    TempDir dir;
    EXPECT_THROW(ReadFileExclusive(dir.PathOf("missing.xml")), FileOpenError);
    EXPECT_THROW(ReadFileExclusive(dir.path().string()), FileOpenError);
    const std::string fifo = dir.PathOf("pipe.xml");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_THROW(ReadFileExclusive(fifo), FileOpenError);  // and does not hang
}

TEST(FileAccess, ReplacingWritesTheWholeFile) {
    TempDir dir;
    const std::string path = dir.Write("Temp.htm", "old page");
    WriteFileReplacing(path, "new\r\npage\r\n");
    EXPECT_EQ(ReadFileExclusive(path), "new\r\npage\r\n");
    EXPECT_FALSE(FileExists(path + ".new"));
}

TEST(FileAccess, AFailedWriteLeavesTheOldFileWhole) {
    TempDir dir;
    const std::string path = dir.Write("Temp.htm", "old page");
    // A folder where the new file must go fails the write even for root.
    std::filesystem::create_directory(path + ".new");
    EXPECT_THROW(WriteFileReplacing(path, "new page"), FileWriteError);
    EXPECT_EQ(ReadFileExclusive(path), "old page");
}

TEST(FileAccess, WritingIntoAMissingFolderFails) {
    TempDir dir;
    EXPECT_THROW(WriteFileReplacing(dir.PathOf("no/such/Temp.htm"), "x"), FileWriteError);
}
