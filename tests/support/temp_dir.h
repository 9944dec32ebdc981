#pragma once
// A scratch folder for one test, removed with everything in it when the test ends.
#include <filesystem>
#include <fstream>
#include <cstdint>
#include <random>
#include <stdexcept>
#include <string>
#include <string_view>

#ifndef _WIN32
#include <unistd.h>
#endif

#include "file_names.h"

class TempDir {
public:
    TempDir() {
#ifdef _WIN32
        // No mkdtemp: a random name, taken only if nothing has it yet.
        std::random_device random;
        do path_ = std::filesystem::temp_directory_path() / ("ulnik-test-" + std::to_string(random()));
        while (!std::filesystem::create_directory(path_));
#else
        std::string pattern = (std::filesystem::temp_directory_path() / "ulnik-test-XXXXXX").string();
        path_ = ::mkdtemp(pattern.data());
#endif
    }
    ~TempDir() {
        std::error_code ignored;
        std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ignored);
        std::filesystem::remove_all(path_, ignored);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return path_; }

    // Writes the bytes exactly as given and returns the file's full path.
    std::string Write(const std::string& name, std::string_view bytes) const {
        const auto file = path_ / FsPath(name);
        std::ofstream(file, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        return Utf8Path(file);
    }

    std::string PathOf(const std::string& name) const { return Utf8Path(path_ / FsPath(name)); }

    // A file of `size` zero bytes that takes no room on disk where the file system allows;
    // returns its full path.
    std::string WriteSparse(const std::string& name, std::uintmax_t size) const {
        const std::string file = Write(name, "");
        std::filesystem::resize_file(FsPath(file), size);
        return file;
    }

private:
    std::filesystem::path path_;
};
