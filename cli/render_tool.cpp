// ulnik-render: the viewer's pipeline without the window. Writes the page the viewer would show
// for a report or for many at once, the list of a folder as a page or a spreadsheet, or the
// parsed tree of a file.
#include <cerrno>
#include <clocale>
#include <csignal>
#include <cstring>
#include <algorithm>
#include <exception>
#include <fcntl.h>
#include <filesystem>
#include <iostream>
#include <new>
#include <optional>
#include <string>
#include <unistd.h>
#include <vector>

#include "batch_render.h"
#include "file_names.h"
#include "exit_codes.h"
#include "folder_problem.h"
#include "file_access.h"
#include "folder_list.h"
#include "lazy_locale.h"
#include "list_spreadsheet.h"
#include "load_warning.h"
#include "messages.h"
#include "pkxml.h"
#include "progress_line.h"
#include "render_command.h"
#include "report_opener.h"
#include "report_search.h"
#include "school_pages.h"
#include "terminal_shell.h"
#include "tree_dump.h"
#include "ulnik_version.h"

#ifdef _WIN32
#include <windows.h>

#include <shellapi.h>

#include "windows_streams.h"
#include "windows_text.h"
#endif

namespace {

constexpr const char* kUsage =
    "Użycie:\n"
    "  ulnik-render SPRAWOZDANIE            zapisuje stronę sprawozdania na standardowe wyjście\n"
    "  ulnik-render -o WYNIK SPRAWOZDANIE   zapisuje stronę sprawozdania do pliku WYNIK\n"
    "  ulnik-render -d FOLDER_WYNIKÓW SPRAWOZDANIE|FOLDER...\n"
    "                                       zapisuje stronę każdego sprawozdania jako\n"
    "                                       FOLDER_WYNIKÓW/NAZWA.htm, gdzie NAZWA to nazwa\n"
    "                                       sprawozdania bez .xml; FOLDER oznacza każde\n"
    "                                       z jego sprawozdań\n"
    "  ulnik-render --list FOLDER           zapisuje listę sprawozdań z folderu\n"
    "  ulnik-render --list --csv FOLDER     tę samą listę jako arkusz (CSV, UTF-8, \";\")\n"
    "  ulnik-render --combined FOLDER       zapisuje sprawozdanie zbiorcze szkoły: wszystkie\n"
    "                                       sprawozdania z folderu według rodzajów i klas\n"
    "  ulnik-render --summary FOLDER        zapisuje wyniki klasyfikacji: tabelę klas z sumami,\n"
    "                                       wykresy, oceny ndst według przedmiotów, wyróżnienia\n"
    "  ulnik-render --summary --csv FOLDER  tabelę wyników klasyfikacji jako arkusz (CSV)\n"
    "  ulnik-render --check FOLDER          zapisuje sprawdzenie plików: każdy plik z folderu\n"
    "                                       z oceną i tym, co z nim zrobić\n"
    "  ulnik-render --check --csv FOLDER    sprawdzenie plików jako arkusz (CSV)\n"
    "  ulnik-render --tree PLIK             wypisuje drzewo XML odczytane z pliku\n"
    "  ulnik-render --help                  pokazuje ten tekst\n"
    "  ulnik-render --version               pokazuje wersję programu\n"
    "Z --list, --combined, --summary i --check opcja -o WYNIK zapisuje wynik do pliku WYNIK. Strony są\n"
    "w HTML, w kodowaniu Windows-1250; sprawozdanie większe niż 16 MB jest uszkodzone.\n"
    "Kody wyjścia: 0 gotowe, 1 błędne wywołanie, 2 błędny typ pliku, 3 nie można\n"
    "otworzyć pliku, 4 uszkodzone sprawozdanie albo nie zapisano wyniku, 5 brak sprawozdań\n"
    "w folderze, 6 uszkodzony plik w folderze (--combined i --summary zapisują wtedy wynik\n"
    "bez niego, --check wynik z nim); z -d najwyższy napotkany kod.\n";

const std::string kStandardOutput = "standardowe wyjście";

void Say(const std::string& line) { std::cerr << "ulnik-render: " << line << '\n'; }

void SayMessage(const AnsiText& text) { std::cerr << MessageForTerminal(text) << '\n'; }

int Usage(const std::string& problem) {
    if (!problem.empty()) Say(problem);
    std::cerr << kUsage;
    return kUsageError;
}

// A standard descriptor that was closed when the program started is held by a read-only
// /dev/null, so that no file opened later takes its number and writing to it fails as it
// should.
// (Windows has no such reuse to fear: files are opened as handles, never as descriptors.)
void HoldClosedStandardDescriptors() {
#ifndef _WIN32
    for (int fd = 0; fd <= 2; ++fd)
        if (::fcntl(fd, F_GETFD) < 0) ::open("/dev/null", O_RDONLY);
#endif
}

bool ErrorsGoToATerminal() {
#ifdef _WIN32
    return StandardErrorIsConsole();
#else
    return ::isatty(STDERR_FILENO) == 1;
#endif
}

// The arguments as typed, in UTF-8. On Windows main() gets them in the ANSI code page, which
// loses every Polish letter outside it: they are read again as UTF-16.
std::vector<std::string> Arguments(int argc, char* argv[]) {
#ifdef _WIN32
    int count = 0;
    if (wchar_t** wide = ::CommandLineToArgvW(::GetCommandLineW(), &count)) {
        std::vector<std::string> args;
        for (int i = 1; i < count; ++i) args.push_back(Utf8Of(wide[i]));
        ::LocalFree(wide);
        return args;
    }
#endif
    return std::vector<std::string>(argv + 1, argv + argc);
}

// Standard output, every write and the final close checked. A failure is kept, not thrown, so
// that the pipeline's own messages stay about the report; the tool reports it at the end.
class StandardOutput {
public:
    void Write(std::string_view bytes) {
        if (failure_) return;
        try {
            WriteAllTo(STDOUT_FILENO, bytes, kStandardOutput);
        } catch (const FileWriteError& error) {
            failure_ = error.reason();
        }
    }
    PageWriter AsPageWriter() {
        return [this](const std::string&, std::string_view bytes) { Write(bytes); };
    }
    // The exit code for a run that ended with `code`, after closing standard output.
    int Finish(int code) {
        if (!failure_ && ::close(STDOUT_FILENO) != 0) failure_ = std::strerror(errno);
        if (!failure_) return code;
        Say(kStandardOutput + ": " + *failure_);
        return kDamaged;
    }

private:
    std::optional<std::string> failure_;
};

void SayLocaleFailure(const LazyLocale& locale) {
    if (!locale.Failure().empty()) Say(locale.Failure());
}

int RenderReport(const std::string& report, const std::optional<std::string>& out) {
    if (out && SameFile(*out, report)) {
        Say("strona nie zostanie zapisana na samym sprawozdaniu: " + TerminalName(*out));
        return kUsageError;
    }
    TerminalShell shell(std::cerr);
    ProgramState state;
    state.PageFilePath = out.value_or("");
    LazyLocale locale;
    ReportOpener opener(state, shell, locale);
    StandardOutput standardOutput;
    FileOutput fileOutput;
    opener.SetPageWriter(out ? fileOutput.AsPageWriter() : standardOutput.AsPageWriter());
    const ReportOutcome outcome = opener.OpenChosenFile(report);
    SayLocaleFailure(locale);
    if (opener.LastBreak()) SayMessage(IncompleteFileWarning(*opener.LastBreak()));
    if (outcome == ReportOutcome::WrongType && IsFolder(report)) {
        const std::string name = TerminalName(report);
        Say(name + " to folder: listę jego sprawozdań zapisuje ulnik-render --list " + name +
            ", a ich strony ulnik-render -d FOLDER_WYNIKÓW " + name);
    }
    return standardOutput.Finish(ExitCodeOf(outcome));
}

int RenderBatch(const std::string& outDir, const std::vector<std::string>& inputs) {
    LazyLocale locale;  // loaded once for the whole batch, when a page first needs it
    ProgressLine progress(std::cerr, ErrorsGoToATerminal());
    BatchRenderer batch(locale, std::cerr, progress);
    const int code = batch.Run(outDir, inputs);
    SayLocaleFailure(locale);
    return code;
}

bool NamesAReportOf(const std::string& out, const std::string& folder) {
    const std::vector<std::string> reports = FindReportFiles(folder);
    return std::any_of(reports.begin(), reports.end(), [&](const std::string& report) { return SameFile(out, report); });
}

ListOutcome ListAsPage(const std::string& folder, const std::string& path, Shell& shell, LocaleServices& locale,
                       PageWriter writer) {
    ProgramState state;
    state.PageFilePath = path;
    FolderLister lister(state, shell, locale);
    lister.SetPageWriter(std::move(writer));
    return lister.ListReceivedReports(folder);
}

ListOutcome ListAsSpreadsheet(const std::string& folder, const std::string& path, Shell& shell,
                              LocaleServices& locale, PageWriter writer) {
    ProgramState state;
    FolderLister lister(state, shell, locale);
    return lister.ListRows(folder, [&](const std::vector<ListRow>& rows) { writer(path, Spreadsheet(rows)); });
}

// A folder's page or sheet is refused when the folder cannot be read, or when OUT is one of its
// reports.
std::optional<int> FolderRefusal(const std::string& folder, const std::optional<std::string>& out,
                                 std::string_view notWritten) {
    if (const std::optional<FolderProblem> problem = ProblemWithFolder(folder)) {
        std::string said = FolderProblemForTerminal(*problem, folder);
        if (problem->kind == FolderProblemKind::IsAFile)
            said += ": stronę sprawozdania zapisuje ulnik-render " + TerminalName(folder);
        Say(said);
        return kCannotOpen;
    }
    if (out && NamesAReportOf(*out, folder)) {
        Say(std::string(notWritten) + " na sprawozdaniu z folderu: " + TerminalName(*out));
        return kUsageError;
    }
    return std::nullopt;
}

int ListFolder(const std::string& folder, const std::optional<std::string>& out, bool csv) {
    if (const std::optional<int> refused = FolderRefusal(folder, out, "lista nie zostanie zapisana"))
        return *refused;
    TerminalShell shell(std::cerr);
    LazyLocale locale;
    StandardOutput standardOutput;
    FileOutput fileOutput;
    PageWriter writer = out ? fileOutput.AsPageWriter() : standardOutput.AsPageWriter();
    const auto list = csv ? ListAsSpreadsheet : ListAsPage;
    try {
        const ListOutcome outcome = list(folder, out.value_or(""), shell, locale, std::move(writer));
        SayLocaleFailure(locale);
        // The folder is sound when only OUT could not be written.
        return standardOutput.Finish(fileOutput.Failure() ? kDamaged : ExitCodeOf(outcome));
    } catch (const LocaleUnavailable& error) {
        Say(error.what());  // sorting the list, before anything is written
        return kDamagedFolder;
    }
}

// The combined report or the summary of a folder: written whole even when files were left out,
// which the page names and the exit code (6) tells.
int SchoolFolder(SchoolPageKind kind, const std::string& folder, const std::optional<std::string>& out, bool csv) {
    if (const std::optional<int> refused = FolderRefusal(folder, out, "wynik nie zostanie zapisany"))
        return *refused;
    TerminalShell shell(std::cerr);
    LazyLocale locale;
    StandardOutput standardOutput;
    FileOutput fileOutput;
    ProgramState state;
    state.PageFilePath = out.value_or("");
    SchoolPages pages(state, shell, locale);
    pages.SetPageWriter(out ? fileOutput.AsPageWriter() : standardOutput.AsPageWriter());
    const SchoolPageOutcome outcome = !csv                         ? pages.Build(kind, folder)
                                      : kind == SchoolPageKind::Check ? pages.CheckSpreadsheet(folder, out.value_or(""))
                                                                      : pages.SummarySpreadsheet(folder, out.value_or(""));
    SayLocaleFailure(locale);
    if (!outcome.leftOut.empty() && outcome.outcome == ListOutcome::Shown)
        SayMessage(messages::LeftOutFiles(outcome.leftOut));
    if (fileOutput.Failure()) return standardOutput.Finish(kDamaged);
    return standardOutput.Finish(ExitCodeOf(outcome));
}

int PrintTree(const std::string& file) {
    // The reader takes a missing file for an empty one; the user has mistyped its name.
    std::error_code ignored;
    if (std::filesystem::status(FsPath(file), ignored).type() == std::filesystem::file_type::not_found) {
        SayMessage(messages::kMissingFile);
        return kCannotOpen;
    }
    std::string dump;
    try {
        TpkXML document;
        const bool result = document.LoadFromFile(file);
        dump = DumpTree(document, result);
        if (document.Break) SayMessage(IncompleteFileWarning(*document.Break));
    } catch (...) {
        SayMessage(messages::kCannotOpen);
        return kCannotOpen;
    }
    StandardOutput standardOutput;
    standardOutput.Write(dump);
    return standardOutput.Finish(kDone);
}

int WriteText(std::string_view text) {
    StandardOutput standardOutput;
    standardOutput.Write(text);
    return standardOutput.Finish(kDone);
}

int Run(const std::vector<std::string>& args) {
    const RenderCommand command = ParseRenderCommand(args);
    switch (command.action) {
    case RenderCommand::Action::Help: return WriteText(kUsage);
    case RenderCommand::Action::Version: return WriteText("ulnik-render " ULNIK_VERSION "\n");
    case RenderCommand::Action::Tree: return PrintTree(command.inputs[0]);
    case RenderCommand::Action::List: return ListFolder(command.inputs[0], command.out, command.csv);
    case RenderCommand::Action::Combined:
        return SchoolFolder(SchoolPageKind::Combined, command.inputs[0], command.out, false);
    case RenderCommand::Action::Summary:
        return SchoolFolder(SchoolPageKind::Summary, command.inputs[0], command.out, command.csv);
    case RenderCommand::Action::Check:
        return SchoolFolder(SchoolPageKind::Check, command.inputs[0], command.out, command.csv);
    case RenderCommand::Action::Batch: return RenderBatch(command.outDir, command.inputs);
    case RenderCommand::Action::Report: return RenderReport(command.inputs[0], command.out);
    case RenderCommand::Action::Usage: break;
    }
    return Usage(command.problem);
}

}  // namespace

int main(int argc, char* argv[]) {
    HoldClosedStandardDescriptors();
    // The system's reasons (strerror) in the user's language, as the rest of the text.
    std::setlocale(LC_ALL, "");
#ifdef _WIN32
    PrepareStandardStreams();
#else
    // Writes past a file-size limit or into a closed pipe fail with a reason instead of killing.
    std::signal(SIGXFSZ, SIG_IGN);
    std::signal(SIGPIPE, SIG_IGN);
#endif
    try {
        return Run(Arguments(argc, argv));
    } catch (const std::bad_alloc&) {
        Say("brak pamięci");
    } catch (const std::exception& error) {
        Say(std::string("nieoczekiwany błąd: ") + error.what());
    } catch (...) {
        Say("nieoczekiwany błąd");
    }
    return kDamaged;
}
