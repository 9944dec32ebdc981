#include "render_command.h"

namespace {

using Action = RenderCommand::Action;

constexpr const char* kCsvAlone = "--csv działa tylko z --list, --summary albo --check";

struct Options {
    std::optional<std::string> out, outDir;
    bool list = false, csv = false, tree = false, combined = false, summary = false, check = false;
    std::vector<std::string> inputs;
};

// What is wrong with the options themselves: an unknown one, one given twice, one that lacks
// its value. Empty when nothing is.
std::string Read(const std::vector<std::string>& args, Options& options) {
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        std::optional<std::string>* value = arg == "-o" ? &options.out : arg == "-d" ? &options.outDir : nullptr;
        bool* flag = arg == "--list" ? &options.list : arg == "--csv" ? &options.csv
                     : arg == "--tree" ? &options.tree : arg == "--combined" ? &options.combined
                     : arg == "--summary" ? &options.summary : arg == "--check" ? &options.check : nullptr;
        if (value) {
            if (*value) return "opcja " + arg + " podana dwa razy";
            if (i + 1 == args.size()) return "opcja " + arg + " wymaga wartości";
            *value = args[++i];
        } else if (flag) {
            if (*flag) return "opcja " + arg + " podana dwa razy";
            *flag = true;
        } else if (arg == "--help" || arg == "--version") {
            return "opcja " + arg + " nie łączy się z niczym innym";
        } else if (arg.starts_with("-")) {
            return "nieznana opcja: " + arg;
        } else {
            options.inputs.push_back(arg);
        }
    }
    return "";
}

// The action the options ask for, or why they ask for none.
Action ActionOf(const Options& o, std::string& problem) {
    const size_t inputs = o.inputs.size();
    const auto refuse = [&problem](std::string why) {
        problem = std::move(why);
        return Action::Usage;
    };
    const int folderPages = o.list + o.combined + o.summary + o.check;
    if (o.tree) {
        if (folderPages || o.csv || o.out || o.outDir) return refuse("--tree nie łączy się z innymi opcjami");
        return inputs == 1 ? Action::Tree : refuse("--tree wymaga jednego pliku");
    }
    if (folderPages > 1) return refuse("--list, --combined, --summary i --check wykluczają się nawzajem");
    if (folderPages) {
        const std::string option = o.list ? "--list" : o.combined ? "--combined" : o.summary ? "--summary" : "--check";
        if (o.outDir) return refuse(option + " nie łączy się z -d");
        if (o.csv && o.combined) return refuse(kCsvAlone);
        if (inputs != 1) return refuse(option + " wymaga jednego folderu");
        return o.list ? Action::List : o.combined ? Action::Combined : o.summary ? Action::Summary : Action::Check;
    }
    if (o.csv) return refuse(kCsvAlone);
    if (o.outDir) {
        if (o.out) return refuse("-d nie łączy się z -o");
        return inputs >= 1 ? Action::Batch : refuse("-d wymaga sprawozdań albo folderów");
    }
    if (inputs == 0) return refuse(o.out ? "nie podano sprawozdania" : "");
    if (inputs > 1) return refuse("podano więcej niż jedno sprawozdanie (wiele naraz zapisuje -d)");
    return Action::Report;
}

}  // namespace

RenderCommand ParseRenderCommand(const std::vector<std::string>& args) {
    RenderCommand command;
    if (args.size() == 1 && args[0] == "--help") command.action = Action::Help;
    if (args.size() == 1 && args[0] == "--version") command.action = Action::Version;
    if (command.action != Action::Usage) return command;
    Options options;
    command.problem = Read(args, options);
    if (!command.problem.empty()) return command;
    command.action = ActionOf(options, command.problem);
    command.out = std::move(options.out);
    if (command.out == "-") command.out.reset();  // standard output, as every tool reads "-"
    command.outDir = options.outDir.value_or("");
    command.csv = options.csv;
    command.inputs = std::move(options.inputs);
    return command;
}
