#include "help.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

namespace {
constexpr const char* kHelpBesideProgram = "pomoc/index.htm";
constexpr const char* kHelpInstalled = "../share/ulnik/pomoc/index.htm";
}  // namespace

QString HelpFilePath() {
    const QDir programFolder(QCoreApplication::applicationDirPath());
    const QString beside = programFolder.filePath(kHelpBesideProgram);
    if (QFileInfo::exists(beside)) return beside;
    const QString installed = QDir::cleanPath(programFolder.filePath(kHelpInstalled));
    return QFileInfo::exists(installed) ? installed : beside;
}

void OpenHelp() { QDesktopServices::openUrl(QUrl::fromLocalFile(HelpFilePath())); }
