#pragma once
// What the viewer was asked to do on its command line. With no argument it simply starts;
// file managers pass the report (or folder) to open as the one argument.
#include <string>
#include <vector>

struct CommandLine {
    enum class Mode { View, Screenshot, Pdf, Version, Help, Usage };
    Mode mode = Mode::View;
    std::string output;  // the picture or PDF to write
    std::string input;   // the report or folder to open; may be empty for View and Screenshot
    // Pdf and Screenshot: what of a folder is written, when not the page of what `input` names
    // (every report of its list: Pdf only).
    enum class Shows { Page, AllReports, CombinedReport, ClassificationSummary, FileCheck };
    Shows shows = Shows::Page;
};

CommandLine ParseCommandLine(const std::vector<std::string>& args);

extern const char* const kViewerUsage;
// Why arguments that parse to Usage are wrong, naming an unknown option; a line of its own.
std::string UsageProblem(const std::vector<std::string>& args);
// Told when the viewer is started where there is no screen to show it on.
extern const char* const kNoDisplay;
