#include "page_file_location.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <unistd.h>

namespace {

constexpr auto kPageFileName = "Temp.htm";

bool CanWriteInto(const QString& folder)
{
    return ::access(QFile::encodeName(folder).constData(), W_OK | X_OK) == 0;
}

}  // namespace

QString ChoosePageFilePath(const QString& executableFolder)
{
    if (CanWriteInto(executableFolder))
        return QDir(executableFolder).filePath(QString::fromLatin1(kPageFileName));
    const QString userFolder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QDir().mkpath(userFolder);
    return QDir(userFolder).filePath(QString::fromLatin1(kPageFileName));
}
