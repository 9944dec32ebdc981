#include "command_line.h"

const char* const kViewerUsage =
    "Usage:\n"
    "  ulnik [FILE|FOLDER]                        open a report, or list a folder's reports\n"
    "  ulnik --screenshot OUT.png [FILE|FOLDER]   save a picture of the window and exit\n"
    "  ulnik --pdf OUT.pdf FILE|FOLDER            write the page as it would print, and exit\n"
    "  ulnik --pdf OUT.pdf --all FOLDER           write every report of the folder's list, and exit\n"
    "  ulnik --version | --help\n";

CommandLine ParseCommandLine(const std::vector<std::string>& args)
{
    using Mode = CommandLine::Mode;
    const std::size_t n = args.size();
    if (n == 0)
        return {};
    const std::string& first = args[0];
    if (n == 1 && first == "--version")
        return {Mode::Version, "", ""};
    if (n == 1 && first == "--help")
        return {Mode::Help, "", ""};
    if (first == "--screenshot" && (n == 2 || n == 3))
        return {Mode::Screenshot, args[1], n == 3 ? args[2] : ""};
    if (first == "--pdf" && n == 3)
        return {Mode::Pdf, args[1], args[2]};
    if (first == "--pdf" && n == 4 && args[2] == "--all")
        return {Mode::Pdf, args[1], args[3], true};
    // "--" lets a file whose name begins with a dash be opened.
    if (n == 2 && first == "--")
        return {Mode::View, "", args[1]};
    if (n == 1 && !first.starts_with("-"))
        return {Mode::View, "", first};
    return {Mode::Usage, "", ""};
}

const char* const kNoDisplay =
    "ulnik: przegl\u0105darka potrzebuje sesji graficznej, a tu nie ma ekranu (DISPLAY ani WAYLAND_DISPLAY); "
    "bez niej dzia\u0142aj\u0105 ulnik --pdf oraz ulnik-render.\n";
