#pragma once
// The few file services the program needs: an existence test, a whole-file read that
// nobody else may be reading at the same time, and a write that never leaves half a file.
#include <cstdint>
#include <limits>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

// The file exists but could not be opened (no permission, held by another reader, a
// directory or device where a file was expected).
class FileOpenError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The file is larger than the caller would take; none of it was read.
class FileTooLarge : public std::runtime_error {
public:
    FileTooLarge(const std::string& path, std::uintmax_t size);
    std::uintmax_t size() const { return size_; }

private:
    std::uintmax_t size_;
};

// What could not be written, by the name the caller gave (never a scratch file's), and the
// system's reason.
class FileWriteError : public std::runtime_error {
public:
    FileWriteError(std::string path, std::string reason);
    const std::string& path() const { return path_; }
    const std::string& reason() const { return reason_; }

private:
    std::string path_;
    std::string reason_;
};

// True when something other than a directory has this name.
bool FileExists(const std::string& path);

// Why nothing can be put in `path` as a folder (the system's reason), or nothing when it is one.
std::optional<std::string> WhyNotAFolder(const std::string& path);

// True when both names lead to one existing file (links followed).
bool SameFile(const std::string& first, const std::string& second);

// Opens read-only, takes an exclusive lock for the length of the read (a second reader that
// locks waits a moment for it, and is then refused with FileOpenError) and returns every byte. A file of more than `sizeLimit`
// bytes raises FileTooLarge before anything is read; the size is the opened file's, so that
// nothing put under the name in the meantime can slip past.
std::string ReadFileExclusive(const std::string& path,
                              std::uintmax_t sizeLimit = std::numeric_limits<std::uintmax_t>::max());

// Writes the bytes to a new file of its own beside `path`, created exclusively and never
// through a link, and renames it over `path`: a failed write leaves the old file whole and no
// scratch file behind. The new file takes the old one's permissions, or the umask's. A link at
// `path` is replaced, never written through. Where `path` is a device or pipe rather than a
// file, or a link to one, the bytes are written into it instead; /dev/stdout, /dev/stderr,
// /dev/fd/N and /proc/self/fd/N write to the program's own descriptor. A private file
// (OwnerOnly) is never written so: the device, pipe or link is replaced.
// Raises FileWriteError.
// The permissions the new file gets: the old file's (or the umask's), or the owner's alone.
enum class NewMode { LikeOld, OwnerOnly };
void WriteFileReplacing(const std::string& path, std::string_view bytes, NewMode mode = NewMode::LikeOld);

// Writes every byte to an open descriptor (on Windows, the C runtime's, written through its
// handle: never text mode); `name` says what it is in the error.
void WriteAllTo(int fd, std::string_view bytes, const std::string& name);
