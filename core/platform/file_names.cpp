#include "file_names.h"

#include <random>

#ifdef _WIN32
#include <windows.h>

#include "windows_text.h"
#endif

namespace {

#ifdef _WIN32
constexpr bool kBackslashes = true;
#else
constexpr bool kBackslashes = false;
#endif

bool IsSeparator(char c) { return c == '/' || (kBackslashes && c == '\\'); }

}  // namespace

#ifdef _WIN32

std::filesystem::path FsPath(const std::string& path) { return std::filesystem::path(WideOf(path)); }
std::string Utf8Path(const std::filesystem::path& path) { return Utf8Of(path.native()); }

std::string FileNameKey(const std::string& name) {
    const std::wstring wide = WideOf(name);
    if (wide.empty()) return name;
    std::wstring upper(wide.size(), L'\0');
    const int length =
        ::LCMapStringEx(LOCALE_NAME_INVARIANT, LCMAP_UPPERCASE, wide.data(), static_cast<int>(wide.size()),
                        upper.data(), static_cast<int>(upper.size()), nullptr, nullptr, 0);
    if (length <= 0) return name;
    upper.resize(static_cast<size_t>(length));
    return Utf8Of(upper);
}

#else

std::filesystem::path FsPath(const std::string& path) { return std::filesystem::path(path); }
std::string Utf8Path(const std::filesystem::path& path) { return path.string(); }
std::string FileNameKey(const std::string& name) { return name; }

#endif

bool IsFolder(const std::string& path) {
    std::error_code ignored;
    return std::filesystem::is_directory(FsPath(path), ignored);
}

std::string PathFileName(const std::string& path) { return Utf8Path(FsPath(path).filename()); }

std::string InFolder(const std::string& folder, const std::string& name) {
    if (folder.empty() || IsSeparator(folder.back())) return folder + name;
    if (!kBackslashes) return folder + "/" + name;
    if (folder.size() == 2 && folder[1] == ':') return folder + name;
    const size_t last = folder.find_last_of("/\\");
    return folder + (last == std::string::npos ? '/' : folder[last]) + name;
}

std::string RandomSuffix() {
    static constexpr char kChars[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    std::random_device device;
    std::string suffix;
    for (int i = 0; i < 8; ++i) suffix += kChars[device() % (sizeof kChars - 1)];
    return suffix;
}
