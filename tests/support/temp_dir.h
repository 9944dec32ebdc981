#pragma once
// A scratch folder for one test, removed with everything in it when the test ends.
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <string_view>

#include <unistd.h>

class TempDir {
public:
    TempDir() {
        std::string pattern = (std::filesystem::temp_directory_path() / "ulnik-test-XXXXXX").string();
        path_ = ::mkdtemp(pattern.data());
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
        const auto file = path_ / name;
        std::ofstream(file, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        return file.string();
    }

    std::string PathOf(const std::string& name) const { return (path_ / name).string(); }

    // A file of `size` zero bytes that takes no room on disk; returns its full path.
    std::string WriteSparse(const std::string& name, off_t size) const {
        const std::string file = Write(name, "");
        if (::truncate(file.c_str(), size) != 0) throw std::runtime_error("cannot size " + file);
        return file;
    }

private:
    std::filesystem::path path_;
};

