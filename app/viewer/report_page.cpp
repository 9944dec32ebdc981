#include "report_page.h"

#include "local_file_interceptor.h"

#include <QFileInfo>
#include <QWebEngineProfile>
#include <QWebEngineSettings>

ReportPage::ReportPage(QWebEngineProfile* profile, QObject* parent)
    : QWebEnginePage(profile, parent)
{
    ApplyReportSettings(this);
}

void ReportPage::LoadFile(const QString& path)
{
    file_ = QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath());
    ReloadFile();
}

void ReportPage::ReloadFile()
{
    if (file_.isEmpty())
        return;
    loadRequested_ = true;
    load(file_);
}

bool ReportPage::acceptNavigationRequest(const QUrl& url, NavigationType, bool isMainFrame)
{
    if (!isMainFrame || !loadRequested_ || url.adjusted(QUrl::RemoveFragment) != file_)
        return false;
    loadRequested_ = false;
    return true;
}

QWebEnginePage* ReportPage::createWindow(WebWindowType)
{
    return nullptr;
}

QWebEngineProfile* CreateReportProfile(QObject* parent, LocalFileInterceptor** interceptor)
{
    // Screen readers read the page too. On Linux, Chromium builds a page's accessibility tree
    // only where this is set, and then only while an assistive technology is running. It is
    // read once, when the first profile starts the web engine.
    if (!qEnvironmentVariableIsSet("QTWEBENGINE_ENABLE_LINUX_ACCESSIBILITY"))
        qputenv("QTWEBENGINE_ENABLE_LINUX_ACCESSIBILITY", "1");
    auto* profile = new QWebEngineProfile(parent);  // no storage name: off the record
    profile->setHttpCacheType(QWebEngineProfile::MemoryHttpCache);
    profile->setPersistentCookiesPolicy(QWebEngineProfile::NoPersistentCookies);
    auto* filter = new LocalFileInterceptor(profile);
    profile->setUrlRequestInterceptor(filter);
    if (interceptor)
        *interceptor = filter;
    return profile;
}

void ApplyReportSettings(QWebEnginePage* page)
{
    QWebEngineSettings* settings = page->settings();
    using S = QWebEngineSettings;
    for (const S::WebAttribute off :
         {S::JavascriptEnabled, S::JavascriptCanOpenWindows, S::JavascriptCanAccessClipboard,
          S::JavascriptCanPaste, S::PluginsEnabled, S::PdfViewerEnabled, S::LocalStorageEnabled,
          S::LocalContentCanAccessRemoteUrls, S::NavigateOnDropEnabled, S::DnsPrefetchEnabled,
          S::HyperlinkAuditingEnabled, S::FullScreenSupportEnabled, S::ScreenCaptureEnabled,
          S::WebGLEnabled, S::ErrorPageEnabled, S::FocusOnNavigationEnabled})
        settings->setAttribute(off, false);
    // Pictures lying beside the page file may be shown; the interceptor keeps it to those.
    settings->setAttribute(S::LocalContentCanAccessFileUrls, true);
}
