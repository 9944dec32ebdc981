// The viewer's command line, which needs no Qt: its words are tested here with the tool's.
#include <gtest/gtest.h>

#include "command_line.h"

TEST(ViewerCommandLine, UsageIsPolishAndARefusalSaysWhatWasWrong) {
    EXPECT_TRUE(std::string(kViewerUsage).starts_with("Użycie:\n")) << kViewerUsage;
    const struct {
        std::vector<std::string> args;
        const char* problem;
    } cases[] = {
        {{"--bogus"}, "ulnik: nieznana opcja: --bogus\n"},
        {{"--pdf", "o.pdf", "-x", "a.xml"}, "ulnik: nieznana opcja: -x\n"},
        {{"a.xml", "b.xml"}, "ulnik: te argumenty nie pasują do żadnego użycia\n"},
        {{"--pdf", "o.pdf"}, "ulnik: te argumenty nie pasują do żadnego użycia\n"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ParseCommandLine(c.args).mode, CommandLine::Mode::Usage) << c.problem;
        EXPECT_EQ(UsageProblem(c.args), c.problem);
    }
}

TEST(ViewerCommandLine, OutputOfAFolderSaysWhichPage) {
    using Mode = CommandLine::Mode;
    using Shows = CommandLine::Shows;
    const struct {
        const char* output;
        const char* option;
        Mode mode;
        Shows shows;
    } cases[] = {
        {"--pdf", "--all", Mode::Pdf, Shows::AllReports},
        {"--pdf", "--combined", Mode::Pdf, Shows::CombinedReport},
        {"--pdf", "--summary", Mode::Pdf, Shows::ClassificationSummary},
        {"--screenshot", "--combined", Mode::Screenshot, Shows::CombinedReport},
        {"--screenshot", "--summary", Mode::Screenshot, Shows::ClassificationSummary},
        {"--pdf", "--check", Mode::Pdf, Shows::FileCheck},
        {"--screenshot", "--check", Mode::Screenshot, Shows::FileCheck},
        {"--screenshot", "--all", Mode::Usage, Shows::Page},  // a window shows one page
    };
    for (const auto& c : cases) {
        const CommandLine parsed = ParseCommandLine({c.output, "o", c.option, "d"});
        EXPECT_EQ(parsed.mode, c.mode) << c.output << ' ' << c.option;
        EXPECT_EQ(parsed.shows, c.shows) << c.output << ' ' << c.option;
        if (c.mode != Mode::Usage) {
            EXPECT_EQ(parsed.output, "o");
            EXPECT_EQ(parsed.input, "d");
        }
        // Only of a folder named after them.
        EXPECT_EQ(ParseCommandLine({c.option, "d"}).mode, Mode::Usage) << c.option;
    }
    EXPECT_EQ(ParseCommandLine({"--pdf", "o.pdf", "d"}).shows, Shows::Page);
}
