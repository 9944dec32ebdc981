#pragma once
// Why a folder the program was asked to gather cannot be read: it is not there, it is a file,
// or the system will not list it. Asked before any page of a folder is made, so that such a
// folder is never shown as one that holds no reports.
#include <optional>
#include <string>

enum class FolderProblemKind { Missing, IsAFile, Unlistable };

struct FolderProblem {
    FolderProblemKind kind;
    std::string reason;  // the system's words, for a folder it will not list
};

std::optional<FolderProblem> ProblemWithFolder(const std::string& folder);

// The problem on a terminal's line, naming the folder (UTF-8): "nie ma folderu X", ...
std::string FolderProblemForTerminal(const FolderProblem& problem, const std::string& folder);
