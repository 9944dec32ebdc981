#pragma once
// The web page that shows the program's pages (SafePage's safety), following only the loads
// the program asks for: links, meta refreshes and form posts navigate even with scripts off,
// and are refused, leaving the page shown. Every load has a deadline, and a render process
// that dies one more chance: a report built to hang or crash Chromium ends in a blank view and
// a message, never in a loop. Every page opens at its top.
#include <QTimer>
#include <QUrl>

#include "safe_page.h"

class QWebEngineLoadingInfo;

// Why a page could not be shown.
enum class PageFailure {
    Crashed,   // its render process died twice
    TimedOut,  // it did not load within the deadline
};

class ReportPage : public SafePage {
    Q_OBJECT

public:
    static constexpr int kLoadDeadlineMs = 10000;
    // After a load is stopped, how long the render process has to answer before it is ended.
    static constexpr int kStopGraceMs = 1500;

    explicit ReportPage(QObject* parent = nullptr);

    // Loads a local file; the only navigation the page will follow. Its folder is the one
    // the page may load pictures from.
    void LoadFile(const QString& path);
    void SetLoadDeadline(int ms) { deadline_.setInterval(ms); }
    // The address the program's own script world follows for an entry of the page that a
    // screen reader activated: the page's markup cannot know it, so it cannot pass for one.
    QString EntryAddress() const { return entryAddress_; }

signals:
    // The program's own link to entry `index` was followed (and refused, as every link is).
    void EntryFollowed(int index);
    // A page has loaded, scrolled to its top, and its body's border is gone (ok false: the
    // file did not load).
    void DocumentComplete(bool ok);
    // The page could not be shown; the view is blank.
    void Failed(PageFailure why);

protected:
    bool acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) override;

private:
    void Load(const QUrl& url);
    bool IsEntryAddress(const QUrl& url, int& index) const;
    void LoadingChanged(const QWebEngineLoadingInfo& info);
    void LoadFinished(bool ok);
    void RenderProcessTerminated(RenderProcessTerminationStatus status);
    void DeadlinePassed();
    void Fail(PageFailure why);

    QUrl file_;
    QString entryAddress_;
    QUrl allowedLoad_;  // the one navigation asked for and not yet started
    bool reloadedAfterCrash_ = false;
    bool reloadedAfterCutShort_ = false;
    bool failed_ = false;     // the page file gave up: what loads now is the blank page
    bool completed_ = false;  // the load of file_ has been told
    bool refused_ = false;    // the page asked for a navigation since its load began
    QTimer deadline_;
    QTimer stopGrace_;
};
