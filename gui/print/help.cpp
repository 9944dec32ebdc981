#include "help.h"

#include "program_files.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

namespace {
constexpr const char* kHelpFile = "pomoc/index.htm";
}  // namespace

QString HelpFilePath() {
    const std::optional<std::string> found = FindProgramFile(ExecutableDir(), kHelpFile);
    if (found) return QFile::decodeName(QByteArray::fromStdString(*found));
    // Missing everywhere: the path where it belongs, where the help window says it is missing.
    return QDir(QCoreApplication::applicationDirPath()).filePath(QString::fromLatin1(kHelpFile));
}
