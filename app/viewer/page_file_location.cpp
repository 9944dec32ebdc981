#include "page_file_location.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <unistd.h>

namespace {

constexpr auto kPageFileName = "Temp.htm";
// Beside an installed program's folder (bin) lies its data folder.
constexpr auto kInstalledDataFolder = "../share/ulnik";

bool CanWriteInto(const QString& folder)
{
    return ::access(QFile::encodeName(folder).constData(), W_OK | X_OK) == 0;
}

// Root may write into /usr/bin, but a page file has no business among the system's programs.
bool IsInstalled(const QString& executableFolder)
{
    return QFileInfo(QDir(executableFolder).filePath(QString::fromLatin1(kInstalledDataFolder))).isDir();
}

}  // namespace

QString ChoosePageFilePath(const QString& executableFolder)
{
    if (CanWriteInto(executableFolder) && !IsInstalled(executableFolder))
        return QDir(executableFolder).filePath(QString::fromLatin1(kPageFileName));
    const QString userFolder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QDir().mkpath(userFolder);
    return QDir(userFolder).filePath(QString::fromLatin1(kPageFileName));
}
