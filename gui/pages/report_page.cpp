#include "report_page.h"

#include <QRandomGenerator>

#include "local_file_interceptor.h"

#include <QFileInfo>
#include <QWebEngineLoadingInfo>
#include <QWebEngineScript>

#include <csignal>
#include <utility>

namespace {

// A page loaded under the name of the one before would open where that one was scrolled to:
// Chromium restores the place, and for a page that grows after its load (a list over a long
// one), only later, past any scroll to the top. Every page shown asks it not to, for the page
// that comes after it.
//
// Every page's own title is "Podgląd zawartości": screen readers, window lists and the PDF made of
// it are told what it shows instead, its heading (the first centred line) as a sentence.
constexpr auto kPrepareShownPage =
    "if (document.body) document.body.style.borderStyle = 'none'; history.scrollRestoration = 'manual'; "
    "window.scrollTo(0, 0);"
    "(() => { const heading = [...document.querySelectorAll('p')].find(p => p.getAttribute('align') === 'center');"
    "  const text = heading ? heading.textContent.replace(/\\s+/g, ' ').trim() : '';"
    "  if (text) document.title = text.charAt(0) + text.slice(1).toLocaleLowerCase('pl'); })();";
const QUrl kBlank(QStringLiteral("about:blank"));

}  // namespace

ReportPage::ReportPage(QObject* parent)
    : SafePage(parent),
      entryAddress_(QStringLiteral("/ulnik-wpis/%1%2")
                        .arg(QRandomGenerator::system()->generate64(), 16, 16, QLatin1Char('0'))
                        .arg(QRandomGenerator::system()->generate64(), 16, 16, QLatin1Char('0')))
{
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
    connect(this, &QWebEnginePage::loadingChanged, this, &ReportPage::LoadingChanged);
    connect(this, &QWebEnginePage::renderProcessTerminated, this, &ReportPage::RenderProcessTerminated);
}

void ReportPage::LoadFile(const QString& path)
{
    const QFileInfo info(path);
    Interceptor()->SetAllowedFolder(info.absolutePath());
    file_ = QUrl::fromLocalFile(info.absoluteFilePath());
    reloadedAfterCrash_ = false;
    reloadedAfterCutShort_ = false;
    failed_ = false;
    Load(file_);
}

void ReportPage::Load(const QUrl& url)
{
    allowedLoad_ = url;
    if (url != kBlank) {
        completed_ = false;
        refused_ = false;
        stopGrace_.stop();
        deadline_.start();
    }
    load(url);
}

// Each load says how it ended, under the address it was for: a navigation the page asked for,
// refused, ends too, and must not pass for the end of the page's own load.
void ReportPage::LoadingChanged(const QWebEngineLoadingInfo& info)
{
    if (info.status() == QWebEngineLoadingInfo::LoadStartedStatus)
        return;
    if (info.url() == kBlank)
        return stopGrace_.stop();
    if (info.url().adjusted(QUrl::RemoveFragment) != file_)
        return;
    // A refresh the page before asked for may cut the new page's load short (it ends stopped, or
    // failed with no error of its own): it is loaded again, once. A load the deadline stops is
    // the page's failure, and told as such.
    const bool cutShort = info.status() == QWebEngineLoadingInfo::LoadStoppedStatus ||
                          (info.status() == QWebEngineLoadingInfo::LoadFailedStatus && info.errorCode() == 0);
    if (cutShort && !failed_ && !completed_ && !std::exchange(reloadedAfterCutShort_, true)) {
        QTimer::singleShot(0, this, [this] { Load(file_); });
        return;
    }
    LoadFinished(info.status() == QWebEngineLoadingInfo::LoadSucceededStatus);
}

void ReportPage::LoadFinished(bool ok)
{
    // A load that another one took over ends too, and so does one whose render process died:
    // only the last one counts, or the one after the crash, and only once.
    if (failed_ || completed_ || isLoading() || renderProcessPid() <= 0)
        return;
    completed_ = true;
    deadline_.stop();
    // A navigation the page asked for ends as a failed load when it is refused; the page
    // itself is still there.
    if (!ok && !refused_)
        return emit DocumentComplete(false);
    // The page's own scripts are off; the program's run in a world of their own.
    runJavaScript(QString::fromLatin1(kPrepareShownPage), QWebEngineScript::ApplicationWorld,
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

bool ReportPage::IsEntryAddress(const QUrl& url, int& index) const
{
    const QString path = url.path();
    if (url.scheme() != QLatin1String("file") || !path.startsWith(entryAddress_ + u'/'))
        return false;
    bool number = false;
    index = path.mid(entryAddress_.size() + 1).toInt(&number);
    return number && index >= 0;
}

bool ReportPage::acceptNavigationRequest(const QUrl& url, NavigationType, bool isMainFrame)
{
    if (int index = 0; isMainFrame && IsEntryAddress(url, index)) {
        emit EntryFollowed(index);
        return false;
    }
    if (!isMainFrame || allowedLoad_.isEmpty() || url.adjusted(QUrl::RemoveFragment) != allowedLoad_) {
        refused_ = refused_ || isMainFrame;
        return false;
    }
    allowedLoad_.clear();
    return true;
}
