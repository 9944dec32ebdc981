#pragma once
// Finding the report files of a folder.
#include <string>
#include <vector>

// Full paths of the folder's entries whose names end in ".xml" in any letter case, hidden
// ones included; directories are never report files, whatever their name.
std::vector<std::string> FindReportFiles(const std::string& folder);
