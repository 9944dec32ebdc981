#pragma once
// Many reports to pages in one run. Each report's page goes into one folder under the report's
// own name, written as a single page is; a folder among the inputs stands for its report files
// as the folder list finds them. One report is in memory at a time.
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "locale_services.h"
#include "progress_line.h"

// The name of a report's page: the report's file name with ".htm" in place of ".xml" (in any
// letter case), or after the whole name when it does not end in ".xml".
std::string PageNameOf(const std::string& report);

class BatchRenderer {
public:
    BatchRenderer(LocaleServices& locale, std::ostream& errors, ProgressLine& progress);

    // Writes every page it can into `outDir`, with one line on `errors` for each input refused.
    // Returns 0 when every page was written, else the highest exit code met.
    int Run(const std::string& outDir, const std::vector<std::string>& inputs);

private:
    struct Job {
        std::string report;
        std::string page;     // where its page goes
        std::optional<std::string> earlier;  // the report that page is written for, when two names meet
    };
    std::vector<Job> Plan(const std::string& outDir, const std::vector<std::string>& inputs, int& code);
    int Render(const Job& job);
    void Tell(const std::string& name, const std::string& utf8);

    LocaleServices& locale_;
    std::ostream& errors_;
    ProgressLine& progress_;
};
