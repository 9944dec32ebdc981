// The man pages, English and Polish, against the programs: every option the usage texts show,
// and the size beyond which a file is no report.
#include <gtest/gtest.h>

#include <set>
#include <sstream>

#include "command_line.h"
#include "report_file.h"
#include "tool_run.h"

namespace {

std::string Page(const std::string& path) { return ReadFileExclusive(ULNIK_SOURCE_DIR "/packaging/man/" + path); }

// The options a usage text shows, as a man page writes them ("\-\-list").
std::set<std::string> Options(const std::string& usage) {
    std::set<std::string> options;
    std::istringstream words(usage);
    for (std::string word; words >> word;) {
        std::erase_if(word, [](char c) { return c == '[' || c == ']' || c == '|'; });
        if (!word.starts_with("-") || word.find_first_not_of("-abcdefghijklmnopqrstuvwxyz") != std::string::npos)
            continue;
        std::string groff;
        for (char c : word) groff += c == '-' ? std::string("\\-") : std::string(1, c);
        options.insert(groff);
    }
    return options;
}

}  // namespace

TEST(ManualPages, ShowEveryOptionAndTheSizeLimit) {
    const std::string limit = std::to_string(kMaxReportFileSize / (1024 * 1024)) + " MB";
    const struct {
        const char* page;
        std::string usage;
    } pages[] = {
        {"ulnik-render.1", RunTool("--help").out},
        {"pl/ulnik-render.1", RunTool("--help").out},
        {"ulnik.1", kViewerUsage},
        {"pl/ulnik.1", kViewerUsage},
    };
    for (const auto& [page, usage] : pages) {
        const std::string text = Page(page);
        const std::set<std::string> options = Options(usage);
        EXPECT_GE(options.size(), 5u) << page;
        for (const std::string& option : options)
            EXPECT_NE(text.find(option), std::string::npos) << page << ": " << option;
        EXPECT_NE(text.find(limit), std::string::npos) << page << ": " << limit;
    }
}
