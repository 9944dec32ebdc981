// ulnik-render: the viewer's pipeline without the window. Writes the page the viewer would show
// for a report, the list page for a folder, or the parsed tree of a file.
#include <cerrno>
#include <csignal>
#include <cstring>
#include <exception>
#include <fcntl.h>
#include <iostream>
#include <new>
#include <optional>
#include <string>
#include <unistd.h>
#include <vector>

#include "exit_codes.h"
#include "file_access.h"
#include "folder_summary.h"
#include "lazy_locale.h"
#include "load_warning.h"
#include "messages.h"
#include "pkxml.h"
#include "report_opener.h"
#include "terminal_shell.h"
#include "tree_dump.h"
#include "ulnik_version.h"

namespace {

constexpr const char* kUsage =
    "Usage:\n"
    "  ulnik-render REPORT             write the report's page to standard output\n"
    "  ulnik-render -o OUT REPORT      write the report's page to OUT\n"
    "  ulnik-render --list FOLDER      write the list of the folder's reports\n"
    "  ulnik-render --tree FILE        print the parsed XML tree of FILE\n"
    "  ulnik-render --help             show this text\n"
    "  ulnik-render --version          show the program's version\n"
    "Pages are Windows-1250 HTML. Exit codes: 0 done, 1 usage, 2 wrong report type,\n"
    "3 file cannot be opened, 4 damaged report or output not written, 5 no reports in folder,\n"
    "6 damaged folder.\n";

const std::string kStandardOutput = "standard output";

void Say(const std::string& line) { std::cerr << "ulnik-render: " << line << '\n'; }

void SayMessage(std::string_view ansi) { std::cerr << MessageForTerminal(std::string(ansi)) << '\n'; }

int Usage(std::ostream& out, int code) {
    out << kUsage;
    return code;
}

// A standard descriptor that was closed when the program started is held by a read-only
// /dev/null, so that no file opened later takes its number and writing to it fails as it
// should.
void HoldClosedStandardDescriptors() {
    for (int fd = 0; fd <= 2; ++fd)
        if (::fcntl(fd, F_GETFD) < 0) ::open("/dev/null", O_RDONLY);
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

// The page file of -o, remembering why a write failed so it can be said after the pipeline's
// own message.
class FileOutput {
public:
    PageWriter AsPageWriter() {
        return [this](const std::string& path, std::string_view bytes) {
            try {
                WriteFileReplacing(path, bytes);
            } catch (const FileWriteError& error) {
                failure_ = error.what();
                throw;
            }
        };
    }
    void SayFailure() const {
        if (failure_) Say(*failure_);
    }

private:
    std::optional<std::string> failure_;
};

void SayLocaleFailure(const LazyLocale& locale) {
    if (!locale.Failure().empty()) Say(locale.Failure());
}

int RenderReport(const std::string& report, const std::string& out) {
    if (!out.empty() && SameFile(out, report)) {
        Say("refusing to write the page over the report itself: " + out);
        return kUsageError;
    }
    TerminalShell shell(std::cerr);
    ProgramState state;
    state.PageFilePath = out;
    LazyLocale locale;
    ReportOpener opener(state, shell, locale);
    StandardOutput standardOutput;
    FileOutput fileOutput;
    opener.SetPageWriter(out.empty() ? standardOutput.AsPageWriter() : fileOutput.AsPageWriter());
    const ReportOutcome outcome = opener.OpenChosenFile(report);
    fileOutput.SayFailure();
    SayLocaleFailure(locale);
    if (opener.LastBreak()) SayMessage(IncompleteFileWarning(*opener.LastBreak()));
    return standardOutput.Finish(ExitCodeOf(outcome));
}

int ListFolder(const std::string& folder) {
    TerminalShell shell(std::cerr);
    ProgramState state;
    LazyLocale locale;
    FolderLister lister(state, shell, locale);
    StandardOutput standardOutput;
    lister.SetPageWriter(standardOutput.AsPageWriter());
    try {
        const ListOutcome outcome = lister.ListReceivedReports(folder);
        SayLocaleFailure(locale);
        return standardOutput.Finish(ExitCodeOf(outcome));
    } catch (const LocaleUnavailable& error) {
        Say(error.what());  // sorting the list, before the list page is built
        return kDamagedFolder;
    }
}

int PrintTree(const std::string& file) {
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

int Run(const std::vector<std::string>& args) {
    if (args.size() == 1 && args[0] == "--help") {
        StandardOutput standardOutput;
        standardOutput.Write(kUsage);
        return standardOutput.Finish(kDone);
    }
    if (args.size() == 1 && args[0] == "--version") {
        StandardOutput standardOutput;
        standardOutput.Write("ulnik-render " ULNIK_VERSION "\n");
        return standardOutput.Finish(kDone);
    }
    if (args.size() == 2 && args[0] == "--tree") return PrintTree(args[1]);
    if (args.size() == 2 && args[0] == "--list") return ListFolder(args[1]);
    if (args.size() == 3 && args[0] == "-o") return RenderReport(args[2], args[1]);
    if (args.size() == 1 && !args[0].starts_with("-")) return RenderReport(args[0], "");
    return Usage(std::cerr, kUsageError);
}

}  // namespace

int main(int argc, char* argv[]) {
    HoldClosedStandardDescriptors();
    // Writes past a file-size limit or into a closed pipe fail with a reason instead of killing.
    std::signal(SIGXFSZ, SIG_IGN);
    std::signal(SIGPIPE, SIG_IGN);
    try {
        return Run(std::vector<std::string>(argv + 1, argv + argc));
    } catch (const std::bad_alloc&) {
        Say("out of memory");
    } catch (const std::exception& error) {
        Say(error.what());
    } catch (...) {
        Say("unexpected failure");
    }
    return kDamaged;
}
