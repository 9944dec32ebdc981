#pragma once
// What ulnik-render was asked to do, read from its arguments.
#include <optional>
#include <string>
#include <vector>

struct RenderCommand {
    enum class Action { Usage, Help, Version, Report, Batch, List, Tree, Combined, Summary, Check };
    Action action = Action::Usage;
    std::optional<std::string> out;  // -o: a file in place of standard output
    std::string outDir;              // -d: the folder of a batch's pages
    bool csv = false;                // --csv: the list, the summary or the check as a spreadsheet
    std::vector<std::string> inputs;
    std::string problem;  // Usage: what was wrong, in Polish (UTF-8); empty when nothing was asked
};

// Options may stand in any order before, between or after the inputs; anything else that
// begins with "-" is a usage error, as is a combination that means nothing.
RenderCommand ParseRenderCommand(const std::vector<std::string>& args);
