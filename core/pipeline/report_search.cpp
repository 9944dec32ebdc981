#include "report_search.h"

#include <algorithm>
#include <filesystem>

#include "file_names.h"

namespace {

bool EndsWithXmlIgnoringCase(const std::string& name) {
    if (name.size() < 4) return false;
    std::string tail = name.substr(name.size() - 4);
    for (char& c : tail)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return tail == ".xml";
}

}  // namespace

std::vector<std::string> FindReportFiles(const std::string& folder) {
    std::vector<std::string> paths;
    std::error_code error;
    for (std::filesystem::directory_iterator it(FsPath(folder), error), end; !error && it != end;
         it.increment(error)) {
        const std::string name = Utf8Path(it->path().filename());
        if (!EndsWithXmlIgnoringCase(name)) continue;
        std::error_code ignored;
        if (it->is_directory(ignored)) continue;
        paths.push_back(InFolder(folder, name));
    }
    std::sort(paths.begin(), paths.end());  // the same order every time
    return paths;
}
