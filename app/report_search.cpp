#include "report_search.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

std::vector<std::string> FindReportFiles(const std::string& folder) {
    QDir dir(QString::fromStdString(folder));
    dir.setNameFilters({QStringLiteral("*.xml")});
    // System admits broken links and special files: they are listed and then fail to read.
    dir.setFilter(QDir::Files | QDir::Hidden | QDir::System);
    dir.setSorting(QDir::Name);
    std::vector<std::string> paths;
    const QFileInfoList entries = dir.entryInfoList();
    for (const QFileInfo& entry : entries) {
        if (entry.isDir()) continue;
        paths.push_back(QFile::encodeName(entry.absoluteFilePath()).toStdString());
    }
    return paths;
}
