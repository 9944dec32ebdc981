#include "command_line.h"

#include <utility>

const char* const kViewerUsage =
    "Użycie:\n"
    "  ulnik [PLIK|FOLDER]                  otwiera sprawozdanie albo listę sprawozdań z folderu\n"
    "  ulnik -- PLIK                        to samo dla pliku, którego nazwa zaczyna się od \"-\"\n"
    "  ulnik --screenshot OBRAZ.png [PLIK|FOLDER]\n"
    "                                       zapisuje obraz okna i kończy pracę\n"
    "  ulnik --screenshot OBRAZ.png --combined | --summary | --check FOLDER\n"
    "                                       to samo ze sprawozdaniem zbiorczym, wynikami\n"
    "                                       klasyfikacji albo sprawdzeniem plików folderu w oknie\n"
    "  ulnik --pdf WYNIK.pdf PLIK|FOLDER    zapisuje stronę tak, jak zostałaby wydrukowana,\n"
    "                                       i kończy pracę\n"
    "  ulnik --pdf WYNIK.pdf --all FOLDER   zapisuje w jednym PDF każde sprawozdanie z listy\n"
    "                                       folderu i kończy pracę\n"
    "  ulnik --pdf WYNIK.pdf --combined FOLDER\n"
    "                                       zapisuje sprawozdanie zbiorcze folderu i kończy pracę\n"
    "  ulnik --pdf WYNIK.pdf --summary FOLDER\n"
    "                                       zapisuje wyniki klasyfikacji folderu i kończy pracę\n"
    "  ulnik --pdf WYNIK.pdf --check FOLDER zapisuje sprawdzenie plików folderu i kończy pracę\n"
    "  ulnik --version | --help             pokazuje wersję programu albo ten tekst\n";

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
    if ((first == "--pdf" || first == "--screenshot") && n == 4) {
        using Shows = CommandLine::Shows;
        const std::pair<const char*, Shows> folderPages[] = {{"--all", Shows::AllReports},
                                                             {"--combined", Shows::CombinedReport},
                                                             {"--summary", Shows::ClassificationSummary},
                                                             {"--check", Shows::FileCheck}};
        const Mode mode = first == "--pdf" ? Mode::Pdf : Mode::Screenshot;
        for (const auto& [option, shows] : folderPages)
            if (args[2] == option && (mode == Mode::Pdf || shows != Shows::AllReports))
                return {mode, args[1], args[3], shows};
    }
    // "--" lets a file whose name begins with a dash be opened.
    if (n == 2 && first == "--")
        return {Mode::View, "", args[1]};
    if (n == 1 && !first.starts_with("-"))
        return {Mode::View, "", first};
    return {Mode::Usage, "", ""};
}

std::string UsageProblem(const std::vector<std::string>& args)
{
    for (const std::string& arg : args) {
        const bool known = arg == "--screenshot" || arg == "--pdf" || arg == "--all" ||
                           arg == "--combined" || arg == "--summary" || arg == "--check" || arg == "--version" ||
                           arg == "--help" || arg == "--";
        if (arg.size() > 1 && arg.starts_with("-") && !known)
            return "ulnik: nieznana opcja: " + arg + "\n";
    }
    return args.empty() ? "" : "ulnik: te argumenty nie pasują do żadnego użycia\n";
}

const char* const kNoDisplay =
    "ulnik: przeglądarka potrzebuje sesji graficznej, a tu nie ma ekranu (DISPLAY ani WAYLAND_DISPLAY); "
    "bez niej działają ulnik --pdf oraz ulnik-render.\n";
