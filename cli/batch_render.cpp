#include "batch_render.h"

#include <algorithm>
#include <optional>
#include <ostream>
#include <unordered_map>

#include "exit_codes.h"
#include "file_access.h"
#include "file_names.h"
#include "load_warning.h"
#include "messages.h"
#include "report_opener.h"
#include "report_search.h"
#include "terminal_shell.h"

namespace {

// Keeps the pipeline's message, to be told on the report's own line.
class KeepingShell : public Shell {
public:
    MessageChoice ShowMessageBox(MessageStyle, MessageIcon, const AnsiText& text) override {
        message = text;
        return ChoiceZamknij;
    }
    AnsiText message;
};

}  // namespace

std::string PageNameOf(const std::string& report) {
    std::string name = PathFileName(report);
    if (HasReportExtension(name)) name.resize(name.size() - 4);
    return name + ".htm";
}

BatchRenderer::BatchRenderer(LocaleServices& locale, std::ostream& errors, ProgressLine& progress)
    : locale_(locale), errors_(errors), progress_(progress) {}

int BatchRenderer::Run(const std::string& outDir, const std::vector<std::string>& inputs) {
    // Why no page can go into the folder, if anything stops it.
    if (const std::optional<std::string> problem = WhyNotAFolder(outDir)) {
        errors_ << "ulnik-render: folder wyników " << TerminalName(outDir) << ": " << *problem << '\n';
        return kDamaged;
    }
    int code = kDone;
    const std::vector<Job> jobs = Plan(outDir, inputs, code);
    for (std::size_t i = 0; i < jobs.size(); ++i) {
        progress_.Show(i, jobs.size());
        code = std::max(code, Render(jobs[i]));
    }
    progress_.Clear();
    return code;
}

// Only names are gathered here, so that a page that would take another report's name is known
// before anything is written: the first report named keeps it, the later one is refused. Names
// that differ in case alone are one page where the file system ignores case.
std::vector<BatchRenderer::Job> BatchRenderer::Plan(const std::string& outDir, const std::vector<std::string>& inputs,
                                                    int& code) {
    std::vector<Job> jobs;
    std::unordered_map<std::string, std::string> pageOwners;
    const auto add = [&](const std::string& report) {
        const std::string name = PageNameOf(report);
        const auto [owner, fresh] = pageOwners.try_emplace(FileNameKey(name), report);
        if (!fresh && (owner->second == report || SameFile(owner->second, report))) return;  // one page is enough
        jobs.push_back({report, InFolder(outDir, name),
                        fresh ? std::nullopt : std::optional(owner->second)});
    };
    for (const std::string& input : inputs) {
        if (!IsFolder(input)) {
            add(input);
            continue;
        }
        const std::vector<std::string> reports = FindReportFiles(input);
        if (reports.empty()) {
            Tell(input, MessageOnOneLine(messages::kNoReportFiles));
            code = std::max<int>(code, kNoFiles);
        }
        for (const std::string& report : reports) add(report);
    }
    return jobs;
}

int BatchRenderer::Render(const Job& job) {
    if (job.earlier) {
        Tell(job.report,
             "nie zapisano: " + TerminalName(job.page) + " to strona sprawozdania " + TerminalName(*job.earlier));
        return kDamaged;
    }
    KeepingShell shell;
    ProgramState state;
    state.PageFilePath = job.page;
    ReportOpener opener(state, shell, locale_);
    FileOutput output;
    opener.SetPageWriter(output.AsPageWriter());
    const ReportOutcome outcome = opener.OpenChosenFile(job.report);
    if (!shell.message.Empty()) Tell(job.report, MessageOnOneLine(shell.message));
    if (opener.LastBreak()) Tell(job.report, MessageOnOneLine(IncompleteFileWarning(*opener.LastBreak())));
    return ExitCodeOf(outcome);
}

void BatchRenderer::Tell(const std::string& name, const std::string& utf8) {
    progress_.Clear();
    errors_ << TerminalName(name) << ": " << utf8 << '\n';
}
