#include "page_file_location.h"

#include "run_folders.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <cstdlib>
#include <unistd.h>

namespace {

constexpr auto kPageFileName = "Temp.htm";
// Beside an installed program's folder (bin) lies its data folder.
constexpr auto kInstalledDataFolder = "../share/ulnik";
constexpr auto kRunFolderPrefix = "ulnik-";

bool CanWriteInto(const QString& folder)
{
    return !folder.isEmpty() && ::access(QFile::encodeName(folder).constData(), W_OK | X_OK) == 0;
}

// Root may write into /usr/bin, but a page file has no business among the system's programs.
bool IsInstalled(const QString& executableFolder)
{
    return QFileInfo(QDir(executableFolder).filePath(QString::fromLatin1(kInstalledDataFolder))).isDir();
}

QString UserDataFolder()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QDir().mkpath(folder);
    return folder;
}

// A new folder that only this user may enter, marked as this run's; empty when none could be made
// there. What runs that are gone left in the same place is cleared away first.
QString MakeRunFolder(const QString& parent)
{
    if (!CanWriteInto(parent))
        return {};
    RemoveStaleRunFolders(QFile::encodeName(parent).toStdString(), kRunFolderPrefix);
    QByteArray pattern = QFile::encodeName(parent) + "/" + kRunFolderPrefix + "XXXXXX";
    if (!::mkdtemp(pattern.data()))
        return {};
    MarkRunFolder(pattern.toStdString());
    return QFile::decodeName(pattern);
}

}  // namespace

QString PageFileHome(const QString& executableFolder)
{
    if (CanWriteInto(executableFolder) && !IsInstalled(executableFolder))
        return executableFolder;
    return UserDataFolder();
}

PageFileFolder::PageFileFolder(const QString& executableFolder)
{
    for (const QString& parent : {qEnvironmentVariable("XDG_RUNTIME_DIR"), PageFileHome(executableFolder),
                                  UserDataFolder(), QDir::tempPath()}) {
        folder_ = MakeRunFolder(parent);
        if (!folder_.isEmpty())
            return;
    }
    // Nowhere to write: every page then fails to be written, and says so.
    folder_ = QDir(PageFileHome(executableFolder)).filePath(QStringLiteral("ulnik-brak"));
}

PageFileFolder::~PageFileFolder()
{
    Remove();
}

QString PageFileFolder::PageFile() const
{
    return QDir(folder_).filePath(QString::fromLatin1(kPageFileName));
}

void PageFileFolder::RemovePage() const
{
    // unlink, not QFile::remove: whatever stands under the name goes, and nothing is opened.
    ::unlink(QFile::encodeName(PageFile()).constData());
}

void PageFileFolder::Remove() const
{
    RemovePage();
    UnmarkRunFolder(QFile::encodeName(folder_).toStdString());
    ::rmdir(QFile::encodeName(folder_).constData());
}
