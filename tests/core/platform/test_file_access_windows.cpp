// What only Windows has: sharing modes, files in use, access lists, devices by name, and file
// names that the ANSI code page cannot spell.
#ifdef _WIN32
#include <gtest/gtest.h>

#include <windows.h>

#include <aclapi.h>
#include <sddl.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "file_access.h"
#include "file_names.h"
#include "temp_dir.h"
#include "windows_text.h"

namespace {

class OtherProgram {
public:
    OtherProgram(const std::string& path, DWORD access, DWORD share)
        : handle_(::CreateFileW(Win32Path(path).c_str(), access, share, nullptr, OPEN_EXISTING, 0, nullptr)) {}
    ~OtherProgram() {
        if (opened()) ::CloseHandle(handle_);
    }
    OtherProgram(const OtherProgram&) = delete;
    OtherProgram& operator=(const OtherProgram&) = delete;
    bool opened() const { return handle_ != INVALID_HANDLE_VALUE; }

private:
    HANDLE handle_;
};

// The names in the folder as Windows spells them: a failed or finished write leaves no scratch
// file behind, and a Polish name is not spelled in some code page's letters.
std::vector<std::wstring> Names(const TempDir& dir) {
    std::vector<std::wstring> names;
    for (const auto& entry : std::filesystem::directory_iterator(dir.path()))
        names.push_back(entry.path().filename().wstring());
    std::sort(names.begin(), names.end());
    return names;
}

std::unique_ptr<unsigned char[]> CurrentUser() {
    HANDLE token = nullptr;
    ::OpenProcessToken(::GetCurrentProcess(), TOKEN_QUERY, &token);
    DWORD size = 0;
    ::GetTokenInformation(token, TokenUser, nullptr, 0, &size);
    auto user = std::make_unique<unsigned char[]>(size);
    ::GetTokenInformation(token, TokenUser, user.get(), size, &size);
    ::CloseHandle(token);
    return user;
}

// Who the file's access list lets in, each as a SID string.
std::vector<std::wstring> AllowedSids(const std::string& path) {
    PACL acl = nullptr;
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    std::vector<std::wstring> sids;
    std::wstring wide = Win32Path(path);
    if (::GetNamedSecurityInfoW(wide.data(), SE_FILE_OBJECT, DACL_SECURITY_INFORMATION, nullptr, nullptr, &acl, nullptr,
                                &descriptor) != ERROR_SUCCESS)
        return sids;
    for (DWORD i = 0; acl && i < acl->AceCount; ++i) {
        void* ace = nullptr;
        if (!::GetAce(acl, i, &ace) || static_cast<ACE_HEADER*>(ace)->AceType != ACCESS_ALLOWED_ACE_TYPE) continue;
        wchar_t* text = nullptr;
        if (::ConvertSidToStringSidW(&static_cast<ACCESS_ALLOWED_ACE*>(ace)->SidStart, &text)) {
            sids.push_back(text);
            ::LocalFree(text);
        }
    }
    ::LocalFree(descriptor);
    return sids;
}

std::wstring SidText(PSID sid) {
    wchar_t* text = nullptr;
    ::ConvertSidToStringSidW(sid, &text);
    std::wstring result = text ? text : L"";
    ::LocalFree(text);
    return result;
}

}  // namespace

// An editor keeps its file open while it is read; a program that opened it for itself alone
// makes the read fail with the system's reason rather than wait.
TEST(WindowsFiles, AFileAnotherProgramHasOpen) {
    TempDir dir;
    const std::string path = dir.Write("r.xml", "<a/>");
    const struct {
        const char* holder;
        DWORD access, share;
        bool readable;
    } cases[] = {
        {"an editor", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, true},
        {"a writer that lets others read", GENERIC_WRITE, FILE_SHARE_READ, true},
        {"a reader that lets others read", GENERIC_READ, FILE_SHARE_READ, true},
        {"a program that shares nothing", GENERIC_READ, 0, false},
    };
    for (const auto& c : cases) {
        OtherProgram other(path, c.access, c.share);
        ASSERT_TRUE(other.opened()) << c.holder;
        if (c.readable) {
            EXPECT_EQ(ReadFileExclusive(path), "<a/>") << c.holder;
            continue;
        }
        try {
            ReadFileExclusive(path);
            ADD_FAILURE() << "read a file held by " << c.holder;
        } catch (const FileOpenError& error) {
            EXPECT_EQ(std::string(error.what()), path + ": " + SystemMessage(ERROR_SHARING_VIOLATION));
        }
    }
}

TEST(WindowsFiles, NamesWithPolishLetters) {
    TempDir dir;
    const std::string folder = dir.PathOf("Klasa 2ą");
    ASSERT_TRUE(std::filesystem::create_directory(FsPath(folder)));
    const std::string path = InFolder(folder, "Zażółć gęślą jaźń.xml");
    WriteFileReplacing(path, "<a/>");
    WriteFileReplacing(path, "<b/>");
    EXPECT_TRUE(IsFolder(folder));
    EXPECT_TRUE(FileExists(path));
    EXPECT_EQ(ReadFileExclusive(path), "<b/>");
    EXPECT_TRUE(SameFile(path, InFolder(folder, "ZAŻÓŁĆ GĘŚLĄ JAŹŃ.XML")));
    EXPECT_FALSE(WhyNotAFolder(folder));
    EXPECT_EQ(Names(dir), std::vector<std::wstring>{L"Klasa 2ą"});
    std::vector<std::wstring> inside;
    for (const auto& entry : std::filesystem::directory_iterator(FsPath(folder)))
        inside.push_back(entry.path().filename().wstring());
    EXPECT_EQ(inside, std::vector<std::wstring>{L"Zażółć gęślą jaźń.xml"});
}

// A browser or viewer showing the old page lets it be deleted (FILE_SHARE_DELETE), so it is
// replaced; a program that holds it without that keeps it, whole, and the write fails.
TEST(WindowsFiles, ReplacingAFileInUse) {
    const struct {
        const char* holder;
        DWORD share;
        bool replaced;
    } cases[] = {
        {"a viewer", FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, true},
        {"an editor", FILE_SHARE_READ | FILE_SHARE_WRITE, false},
    };
    for (const auto& c : cases) {
        TempDir dir;
        const std::string path = dir.Write("Temp.htm", "old page");
        {
            OtherProgram other(path, GENERIC_READ, c.share);
            ASSERT_TRUE(other.opened()) << c.holder;
            try {
                WriteFileReplacing(path, "new page");
                EXPECT_TRUE(c.replaced) << c.holder;
            } catch (const FileWriteError& error) {
                EXPECT_FALSE(c.replaced) << c.holder << ": " << error.what();
                EXPECT_EQ(error.path(), path);
            }
            EXPECT_EQ(ReadFileExclusive(path), c.replaced ? "new page" : "old page") << c.holder;
        }
        // The old file, deleted while the viewer had it open, goes when the viewer lets go.
        EXPECT_EQ(Names(dir), std::vector<std::wstring>{L"Temp.htm"}) << c.holder;
    }
}

// A page file holds pupils' data: its access list lets its user alone in, whatever the folder
// passes on. A file the user named keeps the access list it had, narrower or wider than the
// folder's. (Wine keeps access lists as modes and reads 0600 back as the user and SYSTEM.)
TEST(WindowsFiles, AccessListsOfNewAndReplacedFiles) {
    TempDir dir;
    const auto user = CurrentUser();
    const std::wstring me = SidText(reinterpret_cast<TOKEN_USER*>(user.get())->User.Sid);
    const std::wstring everyone = L"S-1-1-0";
    const auto isPrivate = [&](const std::vector<std::wstring>& sids) {
        return std::count(sids.begin(), sids.end(), me) == 1 &&
               std::all_of(sids.begin(), sids.end(), [&](const auto& sid) { return sid == me || sid == L"S-1-5-18"; });
    };
    const std::string page = dir.PathOf("Temp.htm");
    WriteFileReplacing(page, "page", NewMode::OwnerOnly);
    EXPECT_TRUE(isPrivate(AllowedSids(page)));

    const struct {
        std::wstring acl;
        bool everyoneReads;
    } cases[] = {
        {L"D:P(A;;FA;;;" + me + L")", false},
        {L"D:P(A;;FA;;;" + me + L")(A;;FR;;;WD)", true},
    };
    for (const auto& c : cases) {
        const std::string named = dir.Write("out.htm", "old");
        PSECURITY_DESCRIPTOR descriptor = nullptr;
        ASSERT_TRUE(::ConvertStringSecurityDescriptorToSecurityDescriptorW(c.acl.c_str(), SDDL_REVISION_1, &descriptor,
                                                                           nullptr));
        ASSERT_TRUE(::SetFileSecurityW(Win32Path(named).c_str(), DACL_SECURITY_INFORMATION, descriptor));
        ::LocalFree(descriptor);
        WriteFileReplacing(named, "new");
        const std::vector<std::wstring> sids = AllowedSids(named);
        EXPECT_EQ(std::count(sids.begin(), sids.end(), everyone) == 1, c.everyoneReads);
        EXPECT_EQ(isPrivate(sids), !c.everyoneReads);
        EXPECT_EQ(ReadFileExclusive(named), "new");
    }
}

// NUL and its kin are not files in a folder: they are written into, and never replaced. A
// private page is not handed to one.
TEST(WindowsFiles, ADeviceIsWrittenIntoNotReplaced) {
    TempDir dir;
    const std::string nul = dir.PathOf("NUL");
    WriteFileReplacing(nul, "page");
    EXPECT_THROW(WriteFileReplacing(nul, "page", NewMode::OwnerOnly), FileWriteError);
    EXPECT_THROW(ReadFileExclusive(nul), FileOpenError);
    EXPECT_EQ(Names(dir), std::vector<std::wstring>{});
}

// Every failure names what could not be written and the system's own words for why, and
// leaves no scratch file.
TEST(WindowsFiles, FailuresSayWhereAndWhy) {
    TempDir dir;
    std::filesystem::create_directory(dir.path() / "folder");
    const struct {
        std::string path;
        DWORD error;
    } cases[] = {
        {dir.PathOf("no/such/Temp.htm"), ERROR_PATH_NOT_FOUND},
        {dir.PathOf("folder"), ERROR_ACCESS_DENIED},
    };
    for (const auto& c : cases) {
        try {
            WriteFileReplacing(c.path, "x");
            ADD_FAILURE() << c.path;
        } catch (const FileWriteError& error) {
            EXPECT_EQ(error.path(), c.path) << "never the scratch file's name";
            EXPECT_EQ(error.reason(), SystemMessage(c.error)) << c.path;
        }
    }
    EXPECT_EQ(WhyNotAFolder(dir.PathOf("missing")), SystemMessage(ERROR_FILE_NOT_FOUND));
    EXPECT_EQ(WhyNotAFolder(dir.Write("a.xml", "x")), SystemMessage(ERROR_DIRECTORY));
    EXPECT_EQ(Names(dir), (std::vector<std::wstring>{L"a.xml", L"folder"}));
}

// st_ino is always 0 under the C runtime: identity is the volume's serial and the file's index.
TEST(WindowsFiles, SameFileByVolumeAndIndex) {
    TempDir dir;
    const std::string file = dir.Write("a.xml", "x");
    const std::string copy = dir.Write("b.xml", "x");
    ASSERT_TRUE(::CreateHardLinkW(Win32Path(dir.PathOf("link.xml")).c_str(), Win32Path(file).c_str(), nullptr));
    EXPECT_TRUE(SameFile(file, dir.PathOf("link.xml")));
    EXPECT_TRUE(SameFile(file, dir.PathOf("A.XML")));
    EXPECT_TRUE(SameFile(file, Utf8Path(dir.path()) + "/./a.xml"));
    EXPECT_FALSE(SameFile(file, copy));
}

// Standard output is written through its handle: a page's CR LF stays CR LF.
TEST(WindowsFiles, DescriptorsAreWrittenAsBytes) {
    TempDir dir;
    const std::string path = dir.PathOf("out.htm");
    FILE* out = ::_wfopen(Win32Path(path).c_str(), L"w");  // text mode, as standard output starts
    ASSERT_NE(out, nullptr);
    WriteAllTo(::_fileno(out), "a\r\nb\n", path);
    ::fclose(out);
    EXPECT_EQ(ReadFileExclusive(path), "a\r\nb\n");
}
#endif
