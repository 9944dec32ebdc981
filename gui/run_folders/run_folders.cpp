#include "run_folders.h"

#include <cerrno>
#include <csignal>
#include <dirent.h>
#include <fcntl.h>
#include <fstream>
#include <memory>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

constexpr const char* kMarkName = "run";

// When the process started, in clock ticks since boot: a process id is reused, its start never.
std::string StartOf(pid_t pid) {
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string line;
    if (!std::getline(stat, line)) return {};
    // The command's name stands in parentheses and may hold blanks: fields are counted after it.
    const std::size_t end = line.rfind(')');
    if (end == std::string::npos) return {};
    std::istringstream fields(line.substr(end + 2));
    std::string field;
    for (int i = 3; i <= 22 && fields >> field; ++i)
        if (i == 22) return field;
    return {};
}

bool Lives(pid_t pid, const std::string& start) {
    if (pid <= 0) return true;  // a mark that makes no sense: better left alone
    if (::kill(pid, 0) != 0 && errno == ESRCH) return false;
    const std::string now = StartOf(pid);
    return now.empty() || start.empty() || now == start;
}

bool OursAndGone(const std::string& folder) {
    struct stat st {};
    if (::lstat(folder.c_str(), &st) != 0 || !S_ISDIR(st.st_mode) || st.st_uid != ::getuid()) return false;
    std::ifstream mark(folder + "/" + kMarkName);
    pid_t pid = 0;
    std::string start;
    if (!(mark >> pid)) return false;
    mark >> start;
    return !Lives(pid, start);
}

// Every entry of the folder is unlinked, none followed; a folder inside stays, and so does this one.
void RemoveFolder(const std::string& folder) {
    const std::unique_ptr<DIR, int (*)(DIR*)> dir(::opendir(folder.c_str()), ::closedir);
    if (!dir) return;
    std::vector<std::string> names;
    while (const dirent* entry = ::readdir(dir.get())) {
        const std::string name = entry->d_name;
        if (name != "." && name != "..") names.push_back(name);
    }
    for (const std::string& name : names) ::unlink((folder + "/" + name).c_str());
    ::rmdir(folder.c_str());
}

}  // namespace

void MarkRunFolder(const std::string& folder) {
    std::ofstream(folder + "/" + kMarkName) << ::getpid() << ' ' << StartOf(::getpid()) << '\n';
}

void UnmarkRunFolder(const std::string& folder) { ::unlink((folder + "/" + kMarkName).c_str()); }

void RemoveStaleRunFolders(const std::string& parent, std::string_view prefix) {
    const std::unique_ptr<DIR, int (*)(DIR*)> dir(::opendir(parent.c_str()), ::closedir);
    if (!dir) return;
    std::vector<std::string> stale;
    while (const dirent* entry = ::readdir(dir.get())) {
        const std::string name = entry->d_name;
        if (name.starts_with(prefix) && OursAndGone(parent + "/" + name)) stale.push_back(parent + "/" + name);
    }
    for (const std::string& folder : stale) RemoveFolder(folder);
}
