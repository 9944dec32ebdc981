#include "help.h"

#include "program_files.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QUrl>

namespace {
constexpr const char* kHelpFile = "pomoc/index.htm";
}  // namespace

QString HelpFilePath() {
    const std::optional<std::string> found = FindProgramFile(ExecutableDir(), kHelpFile);
    if (found) return QFile::decodeName(QByteArray::fromStdString(*found));
    // Missing everywhere: the desktop says so for the path where it belongs.
    return QDir(QCoreApplication::applicationDirPath()).filePath(QString::fromLatin1(kHelpFile));
}

void OpenHelp() { QDesktopServices::openUrl(QUrl::fromLocalFile(HelpFilePath())); }
