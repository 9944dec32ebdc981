#include "help_page.h"

#include "local_file_interceptor.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QWebEngineSettings>

HelpPage::HelpPage(QObject* parent) : SafePage(parent)
{
    // A help page that is not there says so, instead of leaving the window blank.
    settings()->setAttribute(QWebEngineSettings::ErrorPageEnabled, true);
}

void HelpPage::ShowFile(const QString& path)
{
    const QFileInfo file(path);
    folder_ = QDir::cleanPath(file.absolutePath());
    Interceptor()->SetAllowedFolder(folder_);
    load(QUrl::fromLocalFile(file.absoluteFilePath()));
}

bool HelpPage::InHelp(const QUrl& url) const
{
    return !folder_.isEmpty() && url.isLocalFile() &&
           QFileInfo(QDir::cleanPath(url.toLocalFile())).absolutePath() == folder_;
}

bool HelpPage::acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame)
{
    if (InHelp(url))
        return isMainFrame;
    // Only what the user clicked goes out: a redirect or a form is nobody's wish.
    if (type == NavigationTypeLinkClicked && !url.isLocalFile())
        QDesktopServices::openUrl(url);
    return false;
}
