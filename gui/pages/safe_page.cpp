#include "safe_page.h"

#include "local_file_interceptor.h"

#include <QKeyEvent>
#include <QWebEngineProfile>
#include <QWebEngineSettings>

namespace {

bool IsCtrlN(QEvent* event)
{
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::ShortcutOverride)
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    return key->key() == Qt::Key_N && key->modifiers() == Qt::ControlModifier;
}

// Scripts, plugins, storage and prefetching off: a report is data, never a program.
void ApplySafeSettings(QWebEngineSettings* settings)
{
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

}  // namespace

SafePage::Profile SafePage::CreateProfile()
{
    auto* profile = new QWebEngineProfile();  // no storage name: off the record
    profile->setHttpCacheType(QWebEngineProfile::MemoryHttpCache);
    profile->setPersistentCookiesPolicy(QWebEngineProfile::NoPersistentCookies);
    auto* interceptor = new LocalFileInterceptor(profile);
    profile->setUrlRequestInterceptor(interceptor);
    return {profile, interceptor};
}

SafePage::SafePage(QObject* parent) : SafePage(CreateProfile(), parent) {}

// The profile is the page's child: QObject deletes children after the page itself is gone,
// as a profile must outlive its pages.
SafePage::SafePage(Profile made, QObject* parent)
    : QWebEnginePage(made.profile, parent),
      interceptor_(made.interceptor)
{
    made.profile->setParent(this);
    ApplySafeSettings(settings());
}

QWebEnginePage* SafePage::createWindow(WebWindowType)
{
    return nullptr;
}

bool SafePage::eventFilter(QObject* watched, QEvent* event)
{
    // Ctrl+N would ask for a new browser window.
    if (IsCtrlN(event)) {
        event->accept();
        return true;
    }
    return QWebEnginePage::eventFilter(watched, event);
}

void EnableScreenReaders()
{
    if (!qEnvironmentVariableIsSet("QTWEBENGINE_ENABLE_LINUX_ACCESSIBILITY"))
        qputenv("QTWEBENGINE_ENABLE_LINUX_ACCESSIBILITY", "1");
}

void DrawPagesInSoftware()
{
    if (!qEnvironmentVariableIsSet("QT_QUICK_BACKEND"))
        qputenv("QT_QUICK_BACKEND", "software");
}
