// The command lines of both programs: arguments split at NUL bytes, read by ulnik-render's and
// the viewer's parsers and their usage texts. Whatever the arguments, a parse ends in one action
// and every refusal names what was wrong.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "command_line.h"
#include "render_command.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::vector<std::string> args(1);
    for (size_t i = 0; i < size && args.size() < 64; ++i) {
        if (data[i] == 0)
            args.emplace_back();
        else
            args.back() += static_cast<char>(data[i]);
    }
    using Action = RenderCommand::Action;
    const RenderCommand render = ParseRenderCommand(args);
    const bool oneInput = render.action == Action::Report || render.action == Action::List ||
                          render.action == Action::Tree || render.action == Action::Combined ||
                          render.action == Action::Summary || render.action == Action::Check;
    if (oneInput && render.inputs.size() != 1) __builtin_trap();
    if (render.action == Action::Batch && render.inputs.empty()) __builtin_trap();
    const CommandLine viewer = ParseCommandLine(args);
    if (viewer.mode == CommandLine::Mode::Usage) (void)UsageProblem(args);
    return 0;
}
