#include "folder_problem.h"

#include "file_names.h"
#include "messages.h"
#include "terminal_shell.h"

#include <filesystem>
#include <system_error>

std::optional<FolderProblem> ProblemWithFolder(const std::string& folder)
{
    std::error_code error;
    const auto type = std::filesystem::status(FsPath(folder), error).type();
    if (type == std::filesystem::file_type::not_found)
        return FolderProblem{FolderProblemKind::Missing, {}};
    if (!error && type != std::filesystem::file_type::directory)
        return FolderProblem{FolderProblemKind::IsAFile, {}};
    if (!error)
        std::filesystem::directory_iterator entries(FsPath(folder), error);
    if (error)
        return FolderProblem{FolderProblemKind::Unlistable, error.message()};
    return std::nullopt;
}

std::string FolderProblemForTerminal(const FolderProblem& problem, const std::string& folder)
{
    const std::string name = TerminalName(folder);
    switch (problem.kind) {
    case FolderProblemKind::Missing: return "nie ma folderu " + name;
    case FolderProblemKind::IsAFile: return name + " to plik, nie folder";
    case FolderProblemKind::Unlistable: break;
    }
    return "nie można odczytać folderu " + name + ": " +
           MessageForTerminal(messages::ShownName(problem.reason));
}
