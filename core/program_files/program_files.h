#pragma once
// The program's own files (help pages, font settings) lie beside the executable in a build tree
// and in the installed data folder (share/ulnik) otherwise.
#include <optional>
#include <string>

// The file `name` (a path relative to the program's data, such as "pomoc/index.htm") as found
// beside the executable in `exeDir`, else in the data folder installed with it; nothing when
// neither has it.
std::optional<std::string> FindProgramFile(const std::string& exeDir, const std::string& name);

// The folder of the running executable.
std::string ExecutableDir();
