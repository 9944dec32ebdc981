#include "local_file_interceptor.h"

#include <QDir>
#include <QFileInfo>

void LocalFileInterceptor::SetAllowedFolder(const QString& folder)
{
    folder_ = folder.isEmpty() ? QString() : QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
}

void LocalFileInterceptor::interceptRequest(QWebEngineUrlRequestInfo& info)
{
    const QUrl url = info.requestUrl();
    const bool allowed = !folder_.isEmpty() && url.isLocalFile() &&
                         QFileInfo(QDir::cleanPath(url.toLocalFile())).absolutePath() == folder_;
    if (!allowed) {
        ++blocked_;
        info.block(true);
    }
}
