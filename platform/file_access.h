#pragma once
// The few file services the program needs: an existence test, a whole-file read that
// nobody else may be reading at the same time, and a write that never leaves half a file.
#include <stdexcept>
#include <string>

// The file exists but could not be opened (no permission, held by another reader, a
// directory or device where a file was expected).
class FileOpenError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class FileWriteError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// True when something other than a directory has this name.
bool FileExists(const std::string& path);

// Opens read-only, takes an exclusive lock for the length of the read (a second reader that
// locks is refused with FileOpenError) and returns every byte.
std::string ReadFileExclusive(const std::string& path);

// Writes the bytes to a new file beside `path` and renames it over `path`, so a failed write
// leaves the old file whole. Raises FileWriteError.
void WriteFileReplacing(const std::string& path, std::string_view bytes);
