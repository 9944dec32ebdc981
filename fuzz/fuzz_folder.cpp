// Turns its input into a small folder of report files and builds every page of a folder from
// it: the list and its spreadsheet, the combined report, the classification summary and its
// spreadsheet, the check of the files and its spreadsheet. The input is a run of files, each a
// byte choosing its name (a FIFO or a link among them), two bytes of length and the bytes.
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "folder_list.h"
#include "list_spreadsheet.h"
#include "school_pages.h"

namespace fs = std::filesystem;

namespace {

constexpr std::array<const char*, 8> kNames = {"1a.xml", "1a-z.xml", "2b.xml", "2b-z.xml",
                                               "zle.xml", "pusty.xml", "Inne.XML", "notatka.txt"};
constexpr std::size_t kMostFiles = 6;

class NoLocale : public LocaleServices {
public:
    std::string DecimalSeparator() override { return ","; }
    std::string CurrentDateText() override { return "2026-01-23"; }
    std::string CurrentTimeText() override { return "12:00:00"; }
    void SortIgnoringCase(std::vector<std::string>& lines) override { std::sort(lines.begin(), lines.end()); }
};

class QuietShell : public Shell {
public:
    MessageChoice ShowMessageBox(MessageStyle, MessageIcon, const AnsiText&) override { return ChoiceZamknij; }
};

void MakeFolder(const fs::path& folder, const std::uint8_t* data, std::size_t size) {
    std::size_t at = 0;
    for (std::size_t file = 0; file < kMostFiles && at + 3 <= size; ++file) {
        const std::uint8_t choice = data[at];
        const std::size_t length = std::min<std::size_t>(data[at + 1] | data[at + 2] << 8, size - at - 3);
        const fs::path path = folder / kNames[choice % kNames.size()];
        const std::string bytes(reinterpret_cast<const char*>(data + at + 3), length);
        at += 3 + length;
        std::error_code ignored;
        fs::remove(path, ignored);  // a name given twice: never write into the FIFO made first
        if (choice >= 0xF8) {
            ::mkfifo(path.c_str(), 0600);  // nobody writes it: reading must not wait on it
        } else if (choice >= 0xF0) {
            fs::create_symlink(folder / kNames[(choice + 1) % kNames.size()], path, ignored);
        } else {
            std::ofstream(path, std::ios::binary) << bytes;
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const fs::path base = fs::temp_directory_path() / ("ulnik-fuzz-folder-" + std::to_string(::getpid()));
    fs::remove_all(base);
    fs::create_directories(base / "in");
    MakeFolder(base / "in", data, size);
    const std::string folder = (base / "in").string(), out = (base / "out").string();

    QuietShell shell;
    NoLocale locale;
    ProgramState state;
    state.PageFilePath = (base / "Temp.htm").string();
    FolderLister lister(state, shell, locale);
    lister.ListReceivedReports(folder);
    lister.ListRows(folder, [&](const std::vector<ListRow>& rows) { WriteFileReplacing(out, Spreadsheet(rows)); });
    SchoolPages pages(state, shell, locale);
    for (SchoolPageKind kind : {SchoolPageKind::Combined, SchoolPageKind::Summary, SchoolPageKind::Check})
        pages.Build(kind, folder);
    pages.SummarySpreadsheet(folder, out);
    pages.CheckSpreadsheet(folder, out);
    fs::remove_all(base);
    return 0;
}
