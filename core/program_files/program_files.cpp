#include "program_files.h"

#include <filesystem>

namespace fs = std::filesystem;

std::optional<std::string> FindProgramFile(const std::string& exeDir, const std::string& name) {
    for (const fs::path& folder : {fs::path(exeDir), fs::path(exeDir) / ULNIK_DATA_FROM_BIN}) {
        std::error_code error;
        const fs::path candidate = folder / name;
        if (fs::exists(candidate, error)) return candidate.lexically_normal().string();
    }
    return std::nullopt;
}

std::string ExecutableDir() {
    std::error_code error;
    const fs::path executable = fs::read_symlink("/proc/self/exe", error);
    return error ? std::string(".") : executable.parent_path().string();
}
