#include "render_command.h"

namespace {

using Action = RenderCommand::Action;

struct Options {
    std::optional<std::string> out, outDir;
    bool list = false, csv = false, tree = false;
    std::vector<std::string> inputs;
};

// False on an unknown option, one given twice, or one that lacks its value.
bool Read(const std::vector<std::string>& args, Options& options) {
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        std::optional<std::string>* value = arg == "-o" ? &options.out : arg == "-d" ? &options.outDir : nullptr;
        bool* flag = arg == "--list" ? &options.list : arg == "--csv" ? &options.csv
                     : arg == "--tree" ? &options.tree : nullptr;
        if (value) {
            if (*value || i + 1 == args.size()) return false;
            *value = args[++i];
        } else if (flag) {
            if (*flag) return false;
            *flag = true;
        } else if (arg.starts_with("-")) {
            return false;
        } else {
            options.inputs.push_back(arg);
        }
    }
    return true;
}

Action ActionOf(const Options& o) {
    const size_t inputs = o.inputs.size();
    if (o.tree) return !o.list && !o.csv && !o.out && !o.outDir && inputs == 1 ? Action::Tree : Action::Usage;
    if (o.list) return !o.outDir && inputs == 1 ? Action::List : Action::Usage;
    if (o.outDir) return !o.csv && !o.out && inputs >= 1 ? Action::Batch : Action::Usage;
    return !o.csv && inputs == 1 ? Action::Report : Action::Usage;
}

}  // namespace

RenderCommand ParseRenderCommand(const std::vector<std::string>& args) {
    RenderCommand command;
    if (args.size() == 1 && args[0] == "--help") command.action = Action::Help;
    if (args.size() == 1 && args[0] == "--version") command.action = Action::Version;
    Options options;
    if (command.action != Action::Usage || !Read(args, options)) return command;
    command.action = ActionOf(options);
    command.out = std::move(options.out);
    command.outDir = options.outDir.value_or("");
    command.csv = options.csv;
    command.inputs = std::move(options.inputs);
    return command;
}
