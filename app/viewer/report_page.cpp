#include "report_page.h"

#include "local_file_interceptor.h"

#include <QFileInfo>
#include <QKeyEvent>
#include <QWebEngineProfile>
#include <QWebEngineScript>
#include <QWebEngineSettings>

#include <csignal>

namespace {

constexpr auto kRemoveBodyBorder = "if (document.body) document.body.style.borderStyle = 'none';";
const QUrl kBlank(QStringLiteral("about:blank"));

bool IsCtrlN(QEvent* event)
{
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::ShortcutOverride)
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    return key->key() == Qt::Key_N && key->modifiers() == Qt::ControlModifier;
}

}  // namespace

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

// The profile is the page's child: QObject deletes children after the page itself is gone,
// as a profile must outlive its pages.
ReportPage::ReportPage(QObject* parent)
    : QWebEnginePage(CreateReportProfile(nullptr, &interceptor_), parent)
{
    profile()->setParent(this);
    ApplyReportSettings(this);
    deadline_.setSingleShot(true);
    deadline_.setInterval(kLoadDeadlineMs);
    stopGrace_.setSingleShot(true);
    stopGrace_.setInterval(kStopGraceMs);
    connect(&deadline_, &QTimer::timeout, this, &ReportPage::DeadlinePassed);
    connect(&stopGrace_, &QTimer::timeout, this, [this] {
        // The render process did not answer the stop: end it.
        if (const qint64 pid = renderProcessPid(); pid > 0)
            ::kill(static_cast<pid_t>(pid), SIGKILL);
    });
    connect(this, &QWebEnginePage::loadFinished, this, &ReportPage::LoadFinished);
    connect(this, &QWebEnginePage::renderProcessTerminated, this, &ReportPage::RenderProcessTerminated);
}

ReportPage::~ReportPage() = default;

void ReportPage::LoadFile(const QString& path)
{
    const QFileInfo info(path);
    interceptor_->SetAllowedFolder(info.absolutePath());
    file_ = QUrl::fromLocalFile(info.absoluteFilePath());
    reloadedAfterCrash_ = false;
    failed_ = false;
    Load(file_);
}

void ReportPage::Load(const QUrl& url)
{
    allowedLoad_ = url;
    if (url != kBlank) {
        stopGrace_.stop();
        deadline_.start();
    }
    load(url);
}

void ReportPage::LoadFinished(bool ok)
{
    if (url() == kBlank) {
        stopGrace_.stop();
        return;
    }
    // A load that another one took over ends too, and so does one whose render process died:
    // only the last one counts, or the one after the crash.
    if (failed_ || isLoading() || renderProcessPid() <= 0)
        return;
    deadline_.stop();
    if (!ok)
        return emit DocumentComplete(false);
    // The page's own scripts are off; the program's run in a world of their own.
    runJavaScript(QString::fromLatin1(kRemoveBodyBorder), QWebEngineScript::ApplicationWorld,
                  [this](const QVariant&) { emit DocumentComplete(true); });
}

void ReportPage::RenderProcessTerminated(RenderProcessTerminationStatus status)
{
    if (status == NormalTerminationStatus || file_.isEmpty())
        return;
    if (failed_) {
        // Ended by us, hung over the page given up: the blank page in a fresh process.
        QTimer::singleShot(0, this, [this] { Load(kBlank); });
        return;
    }
    if (reloadedAfterCrash_)
        return Fail(PageFailure::Crashed);
    // A render process may die of causes outside the page: one more try.
    reloadedAfterCrash_ = true;
    QTimer::singleShot(0, this, [this] { Load(file_); });
}

void ReportPage::DeadlinePassed()
{
    triggerAction(Stop);
    Fail(PageFailure::TimedOut);
}

// The view is left blank. A render process still busy with the page gets a moment to
// answer, and is ended when it does not.
void ReportPage::Fail(PageFailure why)
{
    if (failed_)
        return;
    failed_ = true;
    deadline_.stop();
    stopGrace_.start();
    QTimer::singleShot(0, this, [this] { Load(kBlank); });
    emit Failed(why);
}

bool ReportPage::acceptNavigationRequest(const QUrl& url, NavigationType, bool isMainFrame)
{
    if (!isMainFrame || allowedLoad_.isEmpty() || url.adjusted(QUrl::RemoveFragment) != allowedLoad_)
        return false;
    allowedLoad_.clear();
    return true;
}

QWebEnginePage* ReportPage::createWindow(WebWindowType)
{
    return nullptr;
}

bool ReportPage::eventFilter(QObject* watched, QEvent* event)
{
    // Ctrl+N would ask for a new browser window.
    if (IsCtrlN(event)) {
        event->accept();
        return true;
    }
    return QWebEnginePage::eventFilter(watched, event);
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
