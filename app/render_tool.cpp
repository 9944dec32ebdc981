// ulnik-render: the viewer's pipeline without the window. Writes the page the viewer would show
// for a report, the list page for a folder, or the parsed tree of a file.
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <optional>
#include <string>
#include <unistd.h>

#include "exit_codes.h"
#include "file_access.h"
#include "folder_summary.h"
#include "lazy_locale.h"
#include "messages.h"
#include "pkxml.h"
#include "report_opener.h"
#include "terminal_shell.h"
#include "tree_dump.h"

namespace {

constexpr const char* kUsage =
    "Usage:\n"
    "  ulnik-render REPORT             write the report's page to standard output\n"
    "  ulnik-render -o OUT REPORT      write the report's page to OUT\n"
    "  ulnik-render --list FOLDER      write the list of the folder's reports\n"
    "  ulnik-render --tree FILE        print the parsed XML tree of FILE\n"
    "  ulnik-render --help             show this text\n"
    "Pages are Windows-1250 HTML. Exit codes: 0 done, 1 usage, 2 wrong report type,\n"
    "3 file cannot be opened, 4 damaged report, 5 no reports in folder, 6 damaged folder.\n";

int Usage(std::ostream& out, int code) {
    out << kUsage;
    return code;
}

// A page file of our own for standard output; removed however the run ends.
class ScratchPage {
public:
    ScratchPage() {
        std::string pattern = (std::filesystem::temp_directory_path() / "ulnik-page-XXXXXX").string();
        const int fd = ::mkstemp(pattern.data());
        if (fd < 0) throw FileWriteError("cannot create a temporary page file");
        ::close(fd);
        path_ = pattern;
    }
    ~ScratchPage() { std::remove(path_.c_str()); }
    const std::string& path() const { return path_; }

private:
    std::string path_;
};

void CopyToStandardOutput(const std::string& path) {
    const std::string bytes = ReadFileExclusive(path);
    std::cout.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    std::cout.flush();
}

int RenderReport(const std::string& report, const std::string& out) {
    TerminalShell shell(std::cerr);
    ProgramState state;
    std::optional<ScratchPage> scratch;
    if (out.empty()) scratch.emplace();
    state.PageFilePath = out.empty() ? scratch->path() : out;
    LazyLocale locale;
    ReportOpener opener(state, shell, locale);
    const ReportOutcome outcome = opener.OpenChosenFile(report);
    if (outcome == ReportOutcome::Shown && scratch) CopyToStandardOutput(scratch->path());
    return ExitCodeOf(outcome);
}

int ListFolder(const std::string& folder) {
    TerminalShell shell(std::cerr);
    ProgramState state;
    ScratchPage scratch;
    state.PageFilePath = scratch.path();
    LazyLocale locale;
    FolderLister lister(state, shell, locale);
    const ListOutcome outcome = lister.ListReceivedReports(folder);
    if (outcome == ListOutcome::Shown) CopyToStandardOutput(scratch.path());
    return ExitCodeOf(outcome);
}

int PrintTree(const std::string& file) {
    try {
        TpkXML document;
        const bool result = document.LoadFromFile(file);
        std::cout << DumpTree(document, result);
        return kDone;
    } catch (...) {
        std::cerr << MessageForTerminal(std::string(messages::kCannotOpen)) << '\n';
        return kCannotOpen;
    }
}

}  // namespace

int main(int argc, char* argv[]) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.size() == 1 && args[0] == "--help") return Usage(std::cout, kDone);
    if (args.size() == 2 && args[0] == "--tree") return PrintTree(args[1]);
    if (args.size() == 2 && args[0] == "--list") return ListFolder(args[1]);
    if (args.size() == 3 && args[0] == "-o") return RenderReport(args[2], args[1]);
    if (args.size() == 1 && !args[0].starts_with("-")) return RenderReport(args[0], "");
    return Usage(std::cerr, kUsageError);
}
