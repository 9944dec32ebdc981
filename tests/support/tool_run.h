#pragma once
// Runs ulnik-render as a user would, through the shell, and keeps what it wrote.
#include <cstdlib>
#include <string>
#include <sys/wait.h>

#include "file_access.h"
#include "temp_dir.h"

struct ToolRun {
    int exitCode;
    std::string out;
    std::string err;
};

inline std::string Slurp(const std::string& path) { return FileExists(path) ? ReadFileExclusive(path) : ""; }

// This build's tool, or the one ULNIK_RENDER names (the node build behind a wrapper, for one).
inline const std::string kTool = [] {
    const char* other = std::getenv("ULNIK_RENDER");
    return std::string(other && *other ? other : ULNIK_BINARY_DIR "/app/ulnik-render");
}();

// Runs ulnik-render with the arguments (already quoted for the shell), in the C locale unless
// `environment` says otherwise: it comes before the command, variables or shell commands ended
// by ";". `output` redirects standard output elsewhere than to the captured file.
inline ToolRun RunTool(const std::string& arguments, const std::string& environment = "",
                       const std::string& output = "", const std::string& tool = kTool) {
    TempDir scratch;
    const std::string out = scratch.PathOf("out"), err = scratch.PathOf("err");
    const std::string command =
        "export LC_ALL=C.UTF-8; " + environment + " " + tool + " " + arguments + " " +
        (output.empty() ? ">" + out : output) + " 2>" + err;
    const int status = std::system(command.c_str());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, Slurp(out), Slurp(err)};
}

inline std::string Sample(const std::string& name) { return std::string(ULNIK_SOURCE_DIR "/samples/") + name; }
