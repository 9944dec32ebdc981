#pragma once
// Ulnik's own font settings: the page's tahoma, arial and verdana resolve to faces with the
// metrics of the originals (Wine's Tahoma, Liberation Sans, DejaVu Sans), for this process only.
#include <string>

// Points fontconfig at the program's fonts.conf (beside the executable in `exeDir`, or in the
// installed data folder) unless the user has chosen a file through FONTCONFIG_FILE. Call it
// before anything starts fontconfig, i.e. first thing in main. True when the program's file
// is the one in use.
bool UseProgramFonts(const std::string& exeDir);
