// The file services on Windows. Paths arrive as UTF-8 and become UTF-16 only at each call.
#include "file_access.h"
#include "file_names.h"

#include <windows.h>

#include <aclapi.h>
#include <io.h>

#include <algorithm>
#include <memory>
#include <optional>
#include <utility>

#include "windows_text.h"

namespace {

// Others may read, write, rename and delete while we hold a file open, as on POSIX: the lock,
// not the sharing mode, is what keeps two readers apart.
constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

class Handle {
public:
    explicit Handle(HANDLE handle) : handle_(handle) {}
    Handle(Handle&& other) noexcept : handle_(std::exchange(other.handle_, INVALID_HANDLE_VALUE)) {}
    ~Handle() {
        if (*this) ::CloseHandle(handle_);
    }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    explicit operator bool() const { return handle_ != INVALID_HANDLE_VALUE && handle_ != nullptr; }
    HANDLE get() const { return handle_; }
    // CloseHandle's own answer: a failed close can mean unwritten bytes.
    bool Close() { return ::CloseHandle(std::exchange(handle_, INVALID_HANDLE_VALUE)) != 0; }

private:
    HANDLE handle_;
};

std::string Reason(const std::string& path, DWORD code = ::GetLastError()) { return path + ": " + SystemMessage(code); }

[[noreturn]] void FailWriting(const std::string& path, DWORD code = ::GetLastError()) {
    throw FileWriteError(path, SystemMessage(code));
}

// Opens for nothing but its identity, links followed, folders too.
Handle OpenToIdentify(const std::string& path) {
    return Handle(::CreateFileW(Win32Path(path).c_str(), FILE_READ_ATTRIBUTES, kShareAll, nullptr, OPEN_EXISTING,
                                FILE_FLAG_BACKUP_SEMANTICS, nullptr));
}

bool Identify(const std::string& path, BY_HANDLE_FILE_INFORMATION& info) {
    const Handle file = OpenToIdentify(path);
    return file && ::GetFileInformationByHandle(file.get(), &info);
}

void WriteAllToHandle(HANDLE handle, std::string_view bytes, const std::string& name) {
    while (!bytes.empty()) {
        const DWORD chunk = static_cast<DWORD>(std::min<size_t>(bytes.size(), 1u << 30));
        DWORD written = 0;
        if (!::WriteFile(handle, bytes.data(), chunk, &written, nullptr)) FailWriting(name);
        bytes.remove_prefix(written);
    }
}

// An access list that lets the user who runs the program, and nobody else, at the file; none
// of the folder's inherited entries are added to it.
class OwnerOnlySecurity {
public:
    OwnerOnlySecurity() {
        HANDLE token = nullptr;
        if (!::OpenProcessToken(::GetCurrentProcess(), TOKEN_QUERY, &token)) return;
        DWORD size = 0;
        ::GetTokenInformation(token, TokenUser, nullptr, 0, &size);
        user_ = std::make_unique<unsigned char[]>(size);
        const bool known = ::GetTokenInformation(token, TokenUser, user_.get(), size, &size);
        ::CloseHandle(token);
        if (!known) return;
        PSID sid = reinterpret_cast<TOKEN_USER*>(user_.get())->User.Sid;
        const DWORD aclSize = sizeof(ACL) + sizeof(ACCESS_ALLOWED_ACE) + ::GetLengthSid(sid);
        acl_ = std::make_unique<unsigned char[]>(aclSize);
        PACL acl = reinterpret_cast<PACL>(acl_.get());
        ready_ = ::InitializeAcl(acl, aclSize, ACL_REVISION) &&
                 ::AddAccessAllowedAce(acl, ACL_REVISION, FILE_ALL_ACCESS, sid) &&
                 ::InitializeSecurityDescriptor(&descriptor_, SECURITY_DESCRIPTOR_REVISION) &&
                 ::SetSecurityDescriptorDacl(&descriptor_, TRUE, acl, FALSE) &&
                 ::SetSecurityDescriptorControl(&descriptor_, SE_DACL_PROTECTED, SE_DACL_PROTECTED);
        attributes_ = {sizeof attributes_, &descriptor_, FALSE};
    }
    // Nothing when the list could not be made: the file is then not made at all.
    SECURITY_ATTRIBUTES* Attributes() { return ready_ ? &attributes_ : nullptr; }

private:
    std::unique_ptr<unsigned char[]> user_;
    std::unique_ptr<unsigned char[]> acl_;
    SECURITY_DESCRIPTOR descriptor_{};
    SECURITY_ATTRIBUTES attributes_{};
    bool ready_ = false;
};

// A file nobody else can have prepared: a unique name, created here (CREATE_NEW fails on
// anything already there, a link included).
Handle CreateScratch(const std::string& path, std::string& scratch, NewMode mode) {
    std::optional<OwnerOnlySecurity> ownerOnly;
    SECURITY_ATTRIBUTES* security = nullptr;
    if (mode == NewMode::OwnerOnly) {
        security = ownerOnly.emplace().Attributes();
        if (!security) FailWriting(path);
    }
    for (int attempt = 0;; ++attempt) {
        scratch = path + "." + RandomSuffix() + ".new";
        Handle file(::CreateFileW(Win32Path(scratch).c_str(), GENERIC_WRITE | WRITE_DAC, 0, security, CREATE_NEW,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
        if (file) return file;
        const DWORD error = ::GetLastError();
        // Failures name the file the caller asked for: the scratch name means nothing to anyone.
        if ((error != ERROR_FILE_EXISTS && error != ERROR_ALREADY_EXISTS) || attempt == 100)
            FailWriting(path, error);
    }
}

// The old file's access list given to the new one, as the old file's mode is on POSIX: the
// entries it has and no others, so that the new file lets in just whom the old one did.
// ReplaceFileW carries the list over on Windows itself, but not under Wine, which keeps lists
// as modes and only moves the file. An old file whose list cannot be read leaves the new one
// the folder's, as a file that cannot be examined gets the umask's on POSIX.
void TakeAccessListOf(const std::wstring& old, HANDLE scratch) {
    const Handle file(::CreateFileW(old.c_str(), READ_CONTROL, kShareAll, nullptr, OPEN_EXISTING,
                                    FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    PACL acl = nullptr;
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    if (!file || ::GetSecurityInfo(file.get(), SE_FILE_OBJECT, DACL_SECURITY_INFORMATION, nullptr, nullptr, &acl,
                                   nullptr, &descriptor) != ERROR_SUCCESS)
        return;
    // Set as it stands: Wine's SetSecurityInfo would add the folder's entries to it.
    ::SetKernelObjectSecurity(scratch, DACL_SECURITY_INFORMATION, descriptor);
    ::LocalFree(descriptor);
}

// A failed write whose scratch file is the only copy left of the bytes: it is not deleted.
class ScratchKept : public FileWriteError {
public:
    using FileWriteError::FileWriteError;
};

bool Exists(const std::wstring& path) {
    return ::GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES || ::GetLastError() != ERROR_FILE_NOT_FOUND;
}

// Whether the old file can be moved aside at all: a program holding it open without
// FILE_SHARE_DELETE keeps it in place. Asked before ReplaceFileW, which under Wine leaves a
// temporary file behind when it finds that out itself.
DWORD CanBeReplaced(const std::wstring& old) {
    const Handle file(::CreateFileW(old.c_str(), DELETE, kShareAll, nullptr, OPEN_EXISTING, 0, nullptr));
    return file ? ERROR_SUCCESS : ::GetLastError();
}

// Wine's ReplaceFileW looks for the folder in the name it is given, and a bare file name has
// none: it gets the whole path.
std::wstring FullPath(const std::wstring& path) {
    const DWORD size = ::GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
    std::wstring full(size, L'\0');
    const DWORD length = size ? ::GetFullPathNameW(path.c_str(), size, full.data(), nullptr) : 0;
    if (length == 0 || length >= size) return path;
    full.resize(length);
    return full;
}

// Puts the finished scratch file under the name. An old file keeps its name's attributes and
// identity (ReplaceFileW); a new name, a link, or a private page (whose own access list must
// stay) is simply renamed over.
void PutInPlace(const std::string& scratch, const std::string& path, bool keepOld) {
    const std::wstring from = FullPath(Win32Path(scratch)), to = FullPath(Win32Path(path));
    if (keepOld) {
        DWORD error = CanBeReplaced(to);
        if (error == ERROR_SUCCESS &&
            ::ReplaceFileW(to.c_str(), from.c_str(), nullptr,
                           REPLACEFILE_IGNORE_MERGE_ERRORS | REPLACEFILE_IGNORE_ACL_ERRORS, nullptr, nullptr))
            return;
        if (error == ERROR_SUCCESS) error = ::GetLastError();
        if (error == ERROR_UNABLE_TO_MOVE_REPLACEMENT && !Exists(to)) {
            // Without a backup name ReplaceFileW can fail after the old file is gone, the new one
            // still under its scratch name: it goes under the name, or stays where it is.
            if (::MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) return;
            throw ScratchKept(path, SystemMessage(::GetLastError()) + " (the new file is " + scratch + ")");
        }
        if (error != ERROR_FILE_NOT_FOUND) FailWriting(path, error);  // gone meanwhile: a new name after all
    }
    if (!::MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) FailWriting(path);
}

// Another reader holds its lock for the moment of a read: it is waited for that long, no
// longer, so that two programs opening one report at once both get it. Windows locks are
// mandatory: while we read, other programs' reads of the file fail.
constexpr int kLockPatienceMs = 200;

bool LockWithin(HANDLE file, int patienceMs) {
    constexpr int kStepMs = 10;
    for (int waited = 0;; waited += kStepMs) {
        OVERLAPPED whole{};
        if (::LockFileEx(file, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, MAXDWORD, MAXDWORD, &whole))
            return true;
        if (::GetLastError() != ERROR_LOCK_VIOLATION || waited >= patienceMs) return false;
        ::Sleep(kStepMs);
    }
}

}  // namespace

bool FileExists(const std::string& path) {
    const DWORD attributes = ::GetFileAttributesW(Win32Path(path).c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return false;
    if (!(attributes & FILE_ATTRIBUTE_REPARSE_POINT)) return !(attributes & FILE_ATTRIBUTE_DIRECTORY);
    BY_HANDLE_FILE_INFORMATION target{};  // a link: what it leads to, if anything
    return Identify(path, target) && !(target.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::optional<std::string> WhyNotAFolder(const std::string& path) {
    const DWORD attributes = ::GetFileAttributesW(Win32Path(path).c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return SystemMessage(::GetLastError());
    if (!(attributes & FILE_ATTRIBUTE_DIRECTORY)) return SystemMessage(ERROR_DIRECTORY);
    return std::nullopt;
}

// st_ino means nothing here: the volume's serial number and the file's index on it do.
bool SameFile(const std::string& first, const std::string& second) {
    BY_HANDLE_FILE_INFORMATION a{}, b{};
    return Identify(first, a) && Identify(second, b) && a.dwVolumeSerialNumber == b.dwVolumeSerialNumber &&
           a.nFileIndexHigh == b.nFileIndexHigh && a.nFileIndexLow == b.nFileIndexLow;
}

std::string ReadFileExclusive(const std::string& path, std::uintmax_t sizeLimit) {
    const Handle file(::CreateFileW(Win32Path(path).c_str(), GENERIC_READ, kShareAll, nullptr, OPEN_EXISTING,
                                    FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    if (!file) throw FileOpenError(Reason(path));
    // A pipe, console or other device under a report's name is refused before it is read from,
    // so that it cannot hang the program.
    if (::GetFileType(file.get()) != FILE_TYPE_DISK) throw FileOpenError(path + ": not a regular file");
    LARGE_INTEGER size{};
    if (!::GetFileSizeEx(file.get(), &size)) throw FileOpenError(Reason(path));
    if (static_cast<std::uintmax_t>(size.QuadPart) > sizeLimit)
        throw FileTooLarge(path, static_cast<std::uintmax_t>(size.QuadPart));
    if (!LockWithin(file.get(), kLockPatienceMs)) throw FileOpenError(Reason(path));

    std::string bytes(static_cast<size_t>(size.QuadPart), '\0');
    size_t got = 0;
    while (got < bytes.size()) {
        const DWORD chunk = static_cast<DWORD>(std::min<size_t>(bytes.size() - got, 1u << 30));
        DWORD n = 0;
        if (!::ReadFile(file.get(), bytes.data() + got, chunk, &n, nullptr)) throw FileOpenError(Reason(path));
        if (n == 0) break;  // shrank while we read: the rest stays zero, as a short read does
        got += n;
    }
    // Released at once rather than whenever the system gets round to it after the close.
    OVERLAPPED whole{};
    ::UnlockFileEx(file.get(), 0, MAXDWORD, MAXDWORD, &whole);
    return bytes;
}

void WriteAllTo(int fd, std::string_view bytes, const std::string& name) {
    const auto handle = reinterpret_cast<HANDLE>(::_get_osfhandle(fd));
    if (handle == INVALID_HANDLE_VALUE) FailWriting(name, ERROR_INVALID_HANDLE);
    WriteAllToHandle(handle, bytes, name);
}

void WriteFileReplacing(const std::string& path, std::string_view bytes, NewMode newMode) {
    const std::wstring target = Win32Path(path);
    bool nothingThere = false;
    {
        // The name itself is looked at, not what a link leads to. A device or pipe (NUL, COM1,
        // \\.\pipe\...) is fed, with the very handle that found it; a private file never is:
        // whoever reads it there would read pupils' data, and a device cannot be replaced.
        Handle named(::CreateFileW(target.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                   OPEN_EXISTING, FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
        nothingThere = !named && (::GetLastError() == ERROR_FILE_NOT_FOUND || ::GetLastError() == ERROR_PATH_NOT_FOUND);
        if (named && ::GetFileType(named.get()) != FILE_TYPE_DISK) {
            if (newMode == NewMode::OwnerOnly) FailWriting(path, ERROR_ACCESS_DENIED);
            WriteAllToHandle(named.get(), bytes, path);
            if (!named.Close()) FailWriting(path);
            return;
        }
    }
    // A fresh name is not looked up twice: under Wine each look for a name that is not there
    // reads the whole folder, which a batch fills with a thousand pages.
    const DWORD attributes = nothingThere ? INVALID_FILE_ATTRIBUTES : ::GetFileAttributesW(target.c_str());
    const bool exists = attributes != INVALID_FILE_ATTRIBUTES;
    const bool link = exists && (attributes & FILE_ATTRIBUTE_REPARSE_POINT);
    // What Windows itself says of a folder where a file was asked for.
    if (exists && !link && (attributes & FILE_ATTRIBUTE_DIRECTORY)) FailWriting(path, ERROR_ACCESS_DENIED);
    const bool keepOld = exists && !link && newMode == NewMode::LikeOld;
    std::string scratch;
    Handle file = CreateScratch(path, scratch, newMode);
    try {
        WriteAllToHandle(file.get(), bytes, path);
        if (keepOld) TakeAccessListOf(target, file.get());
        if (!file.Close()) FailWriting(path);
        PutInPlace(scratch, path, keepOld);
    } catch (const ScratchKept&) {
        throw;
    } catch (...) {
        if (file) file.Close();
        ::DeleteFileW(Win32Path(scratch).c_str());
        throw;
    }
}
