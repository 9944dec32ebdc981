#pragma once
// Another program reading a file as ours does: it holds the exclusive lock until let go.
#include <string>

#ifdef _WIN32
#include <windows.h>

#include "windows_text.h"
#else
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#endif

class LockedByAnotherReader {
public:
    explicit LockedByAnotherReader(const std::string& path) {
#ifdef _WIN32
        handle_ =
            ::CreateFileW(Win32Path(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                          nullptr, OPEN_EXISTING, 0, nullptr);
        OVERLAPPED whole{};
        locked_ = handle_ != INVALID_HANDLE_VALUE &&
                  ::LockFileEx(handle_, LOCKFILE_EXCLUSIVE_LOCK, 0, MAXDWORD, MAXDWORD, &whole);
#else
        fd_ = ::open(path.c_str(), O_RDONLY);
        locked_ = fd_ >= 0 && ::flock(fd_, LOCK_EX) == 0;
#endif
    }
    ~LockedByAnotherReader() { LetGo(); }
    LockedByAnotherReader(const LockedByAnotherReader&) = delete;
    LockedByAnotherReader& operator=(const LockedByAnotherReader&) = delete;

    bool locked() const { return locked_; }

    void LetGo() {
#ifdef _WIN32
        if (handle_ != INVALID_HANDLE_VALUE) ::CloseHandle(handle_);
        handle_ = INVALID_HANDLE_VALUE;
#else
        if (fd_ >= 0) ::close(fd_);
        fd_ = -1;
#endif
        locked_ = false;
    }

private:
#ifdef _WIN32
    HANDLE handle_ = INVALID_HANDLE_VALUE;
#else
    int fd_ = -1;
#endif
    bool locked_ = false;
};
