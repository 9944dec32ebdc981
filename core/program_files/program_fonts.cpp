#include "program_fonts.h"

#include <cstdlib>

#include "program_files.h"

bool UseProgramFonts(const std::string& exeDir) {
    if (std::getenv("FONTCONFIG_FILE")) return false;
    const auto settings = FindProgramFile(exeDir, "fonts.conf");
    // Without the file the system's choices stand: the page still shows, only less faithfully.
    return settings && ::setenv("FONTCONFIG_FILE", settings->c_str(), 0) == 0;
}
