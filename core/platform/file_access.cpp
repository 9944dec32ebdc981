#include "file_access.h"
#include "file_names.h"

#include <array>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::string Reason(const std::string& path) { return path + ": " + std::strerror(errno); }

[[noreturn]] void FailWriting(const std::string& path) { throw FileWriteError(path, std::strerror(errno)); }

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

void CloseChecked(Descriptor& fd, const std::string& name) {
    if (::close(fd.release()) != 0) FailWriting(name);
}

// The permissions a new file gets: the umask read without changing it, since other threads
// may be creating files at the same moment.
mode_t NewFileMode() {
    std::ifstream status("/proc/self/status");
    std::string key;
    while (status >> key) {
        if (key == "Umask:") {
            unsigned mask = 022;
            status >> std::oct >> mask;
            return 0666 & ~static_cast<mode_t>(mask);
        }
        status.ignore(4096, '\n');
    }
    return 0644;
}

// A file nobody else can have prepared: a unique name, created here, never a link's target.
Descriptor CreateScratch(const std::string& path, std::string& scratch) {
    for (int attempt = 0;; ++attempt) {
        scratch = path + "." + RandomSuffix() + ".new";
        const int fd = ::open(scratch.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
        if (fd >= 0) return Descriptor(fd);
        if (errno != EEXIST || attempt == 100) FailWriting(path);
    }
}

// A pipe or device is fed, not replaced. A pipe nobody reads fails at once rather than waits.
void WriteInto(const std::string& path, std::string_view bytes) {
    Descriptor fd(::open(path.c_str(), O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (fd.get() < 0) FailWriting(path);
    const int flags = ::fcntl(fd.get(), F_GETFL);
    if (flags < 0 || ::fcntl(fd.get(), F_SETFL, flags & ~O_NONBLOCK) != 0) FailWriting(path);
    WriteAllTo(fd.get(), bytes, path);
    CloseChecked(fd, path);
}

}  // namespace

bool FileExists(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && !S_ISDIR(st.st_mode);
}

std::optional<std::string> WhyNotAFolder(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) return std::strerror(errno);
    if (!S_ISDIR(st.st_mode)) return std::strerror(ENOTDIR);
    return std::nullopt;
}

bool SameFile(const std::string& first, const std::string& second) {
    struct stat a {}, b {};
    return ::stat(first.c_str(), &a) == 0 && ::stat(second.c_str(), &b) == 0 && a.st_dev == b.st_dev &&
           a.st_ino == b.st_ino;
}

namespace {

// Another reader holds its lock for the moment of a read: it is waited for that long, no
// longer, so that two programs opening one report at once both get it.
constexpr int kLockPatienceMs = 200;

bool LockWithin(int fd, int patienceMs) {
    constexpr int kStepMs = 10;
    for (int waited = 0;; waited += kStepMs) {
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0) return true;
        if (errno != EWOULDBLOCK || waited >= patienceMs) return false;
        ::usleep(kStepMs * 1000);
    }
}

}  // namespace

std::string ReadFileExclusive(const std::string& path, std::uintmax_t sizeLimit) {
    // O_NONBLOCK so that a FIFO under a report's name cannot hang the program.
    Descriptor fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (fd.get() < 0) throw FileOpenError(Reason(path));
    struct stat st {};
    if (::fstat(fd.get(), &st) != 0) throw FileOpenError(Reason(path));
    if (!S_ISREG(st.st_mode)) throw FileOpenError(path + ": not a regular file");
    const auto size = static_cast<std::uintmax_t>(st.st_size);
    if (size > sizeLimit) throw FileTooLarge(path, size);
    if (!LockWithin(fd.get(), kLockPatienceMs)) throw FileOpenError(Reason(path));

    std::string bytes(static_cast<size_t>(size), '\0');
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

void WriteAllTo(int fd, std::string_view bytes, const std::string& name) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR) continue;
            FailWriting(name);
        }
        bytes.remove_prefix(static_cast<size_t>(n));
    }
}

namespace {

bool IsDeviceOrPipe(mode_t mode) {
    return S_ISFIFO(mode) || S_ISCHR(mode) || S_ISBLK(mode) || S_ISSOCK(mode);
}

// The names by which a program is given one of its own open descriptors: /dev/stdout,
// /dev/stderr, /dev/fd/N and /proc/self/fd/N. -1 for any other name.
int DescriptorNamed(const std::string& path) {
    if (path == "/dev/stdout") return STDOUT_FILENO;
    if (path == "/dev/stderr") return STDERR_FILENO;
    for (const std::string_view prefix : {"/dev/fd/", "/proc/self/fd/"}) {
        if (!path.starts_with(prefix) || path.size() == prefix.size() || path.size() > prefix.size() + 6) continue;
        const std::string_view digits = std::string_view(path).substr(prefix.size());
        if (digits.find_first_not_of("0123456789") != std::string_view::npos) continue;
        return std::stoi(std::string(digits));
    }
    return -1;
}

}  // namespace

void WriteFileReplacing(const std::string& path, std::string_view bytes, NewMode newMode) {
    // A private file is never fed to a pipe, device or descriptor: whoever reads it there would
    // read pupils' data.
    if (newMode != NewMode::OwnerOnly) {
        // The everyday way of writing to standard output by name: the stream is written, and the
        // system's links that name it are never touched.
        if (const int fd = DescriptorNamed(path); fd >= 0) return WriteAllTo(fd, bytes, path);
    }
    // Otherwise the name itself is looked at, not what a link leads to: a link is replaced, never
    // written through, unless it leads to a device or pipe, which is written as a stream.
    struct stat named {}, followed {};
    const bool exists = ::lstat(path.c_str(), &named) == 0;
    const bool stream = exists && (IsDeviceOrPipe(named.st_mode) ||
                                   (S_ISLNK(named.st_mode) && ::stat(path.c_str(), &followed) == 0 &&
                                    IsDeviceOrPipe(followed.st_mode)));
    if (stream && newMode != NewMode::OwnerOnly) return WriteInto(path, bytes);
    if (exists && S_ISDIR(named.st_mode)) {
        errno = EISDIR;
        FailWriting(path);
    }
    struct stat old {};
    const bool oldFile = exists && ::stat(path.c_str(), &old) == 0 && S_ISREG(old.st_mode);
    std::string scratch;
    Descriptor fd = CreateScratch(path, scratch);
    // Failures name the file the caller asked for: the scratch name means nothing to anyone.
    try {
        WriteAllTo(fd.get(), bytes, path);
        const mode_t mode = newMode == NewMode::OwnerOnly ? S_IRUSR | S_IWUSR
                            : oldFile                     ? old.st_mode & 07777
                                                          : NewFileMode();
        if (::fchmod(fd.get(), mode) != 0) FailWriting(path);
        CloseChecked(fd, path);
        if (::rename(scratch.c_str(), path.c_str()) != 0) FailWriting(path);
    } catch (...) {
        ::unlink(scratch.c_str());
        throw;
    }
}
