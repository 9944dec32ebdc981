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

TEST(ViewerCommandLine, PdfOfAFolderSaysWhichPage) {
    using Of = CommandLine::PdfOf;
    const struct {
        const char* option;
        Of of;
    } cases[] = {{"--all", Of::AllReports}, {"--combined", Of::CombinedReport}, {"--summary", Of::ClassificationSummary}};
    for (const auto& c : cases) {
        const CommandLine parsed = ParseCommandLine({"--pdf", "o.pdf", c.option, "d"});
        EXPECT_EQ(parsed.mode, CommandLine::Mode::Pdf) << c.option;
        EXPECT_EQ(parsed.pdfOf, c.of) << c.option;
        EXPECT_EQ(parsed.output, "o.pdf");
        EXPECT_EQ(parsed.input, "d");
        // Only a folder's PDF has these pages.
        EXPECT_EQ(ParseCommandLine({c.option, "d"}).mode, CommandLine::Mode::Usage) << c.option;
    }
    EXPECT_EQ(ParseCommandLine({"--pdf", "o.pdf", "d"}).pdfOf, Of::Page);
}
