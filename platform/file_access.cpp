#include "file_access.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::string Reason(const std::string& path) { return path + ": " + std::strerror(errno); }

// Closes the descriptor however the read ends.
class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() { if (fd_ >= 0) ::close(fd_); }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }
    int release() { int fd = fd_; fd_ = -1; return fd; }
private:
    int fd_;
};

void WriteAll(int fd, std::string_view bytes, const std::string& path) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR) continue;
            throw FileWriteError(Reason(path));
        }
        bytes.remove_prefix(static_cast<size_t>(n));
    }
}

}  // namespace

bool FileExists(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && !S_ISDIR(st.st_mode);
}

std::string ReadFileExclusive(const std::string& path) {
    // O_NONBLOCK so that a FIFO under a report's name cannot hang the program.
    Descriptor fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (fd.get() < 0) throw FileOpenError(Reason(path));
    struct stat st {};
    if (::fstat(fd.get(), &st) != 0) throw FileOpenError(Reason(path));
    if (!S_ISREG(st.st_mode)) throw FileOpenError(path + ": not a regular file");
    if (::flock(fd.get(), LOCK_EX | LOCK_NB) != 0) throw FileOpenError(Reason(path));

    std::string bytes(static_cast<size_t>(st.st_size), '\0');
    size_t got = 0;
    while (got < bytes.size()) {
        const ssize_t n = ::read(fd.get(), bytes.data() + got, bytes.size() - got);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) throw FileOpenError(Reason(path));
        if (n == 0) break;  // shrank while we read: the rest stays zero, as a short read does
        got += static_cast<size_t>(n);
    }
    return bytes;
}

void WriteFileReplacing(const std::string& path, std::string_view bytes) {
    const std::string temporary = path + ".new";
    Descriptor fd(::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644));
    if (fd.get() < 0) throw FileWriteError(Reason(temporary));
    try {
        WriteAll(fd.get(), bytes, temporary);
        if (::close(fd.release()) != 0) throw FileWriteError(Reason(temporary));
        if (::rename(temporary.c_str(), path.c_str()) != 0) throw FileWriteError(Reason(path));
    } catch (...) {
        ::unlink(temporary.c_str());
        throw;
    }
}
