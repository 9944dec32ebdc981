#pragma once
// The web page that shows the program's pages, and everything it allows them. A received
// report is untrusted and its values reach the page verbatim, so the page:
// - runs no script of its own, opens no window, and follows only the loads the program asks
//   for (links, meta refreshes and form posts navigate even with scripts off);
// - fetches nothing but local files beside the page file (its profile's interceptor);
// - withholds Ctrl+N (a new browser window) from the view that shows it;
// - gives every load a deadline, and a render process that dies one more chance: a report
//   built to hang or crash Chromium ends in a blank view and a message, never in a loop.
#include <QTimer>
#include <QUrl>
#include <QWebEnginePage>

class LocalFileInterceptor;
class QWebEngineProfile;

// Why a page could not be shown.
enum class PageFailure {
    Crashed,   // its render process died twice
    TimedOut,  // it did not load within the deadline
};

class ReportPage : public QWebEnginePage {
    Q_OBJECT

public:
    static constexpr int kLoadDeadlineMs = 10000;
    // After a load is stopped, how long the render process has to answer before it is ended.
    static constexpr int kStopGraceMs = 1500;

    explicit ReportPage(QObject* parent = nullptr);
    ~ReportPage() override;

    // Loads a local file; the only navigation the page will follow. Its folder is the one
    // the page may load pictures from.
    void LoadFile(const QString& path);
    LocalFileInterceptor* Interceptor() const { return interceptor_; }
    void SetLoadDeadline(int ms) { deadline_.setInterval(ms); }

    // Install on the widget that receives the view's keys (the view's focus proxy).
    bool eventFilter(QObject* watched, QEvent* event) override;

signals:
    // A page has loaded and its body's border is gone (ok false: the file did not load).
    void DocumentComplete(bool ok);
    // The page could not be shown; the view is blank.
    void Failed(PageFailure why);

protected:
    bool acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) override;
    QWebEnginePage* createWindow(WebWindowType type) override;

private:
    void Load(const QUrl& url);
    void LoadFinished(bool ok);
    void RenderProcessTerminated(RenderProcessTerminationStatus status);
    void DeadlinePassed();
    void Fail(PageFailure why);

    LocalFileInterceptor* interceptor_;
    QUrl file_;
    QUrl allowedLoad_;  // the one navigation asked for and not yet started
    bool reloadedAfterCrash_ = false;
    bool failed_ = false;  // the page file gave up: what loads now is the blank page
    QTimer deadline_;
    QTimer stopGrace_;
};

// An off-the-record profile whose pages may load only what its interceptor (given back in
// `interceptor`) lets through.
QWebEngineProfile* CreateReportProfile(QObject* parent, LocalFileInterceptor** interceptor);
// Scripts, plugins, storage and prefetching off: a report is data, never a program.
void ApplyReportSettings(QWebEnginePage* page);
