#pragma once
// The embedded web view as the window sees it: navigate to a local page file, a signal when a
// page has loaded (its body's border already removed) or could not be shown, and the page
// itself for printing and copying. The page's policy lives in ReportPage; this only adapts.
// Nothing is loaded before the first page.
#include <QWebEngineView>

#include <functional>

#include "report_page.h"

class LocalFileInterceptor;

// A key of the list's own while a list is shown.
enum class ListKey { Next, Previous, Open };

class HtmlView : public QWebEngineView {
    Q_OBJECT

public:
    explicit HtmlView(QWidget* parent = nullptr);

    // Shows the local file named by a plain path.
    void Navigate(const QString& path);
    ReportPage* Page() const { return page_; }
    LocalFileInterceptor* Interceptor() const { return page_->Interceptor(); }
    // While on, Tab and Shift+Tab, the arrows down and up and Enter on the page are the list's
    // (ListKeyPressed): the page never sees them.
    void SetListKeys(bool on) { listKeys_ = on; }

signals:
    // A page has loaded and its body's border is gone (ok false: the load failed).
    void DocumentComplete(bool ok);
    // The page could not be shown: the view is blank.
    void Failed(PageFailure why);
    // A plain left press on the page, at this point of the view.
    void LeftPressed(QPoint pos);
    void ListKeyPressed(ListKey key);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void childEvent(QChildEvent* event) override;

private:
    bool TakeListKey(QEvent* event);

    ReportPage* page_;
    bool listKeys_ = false;
};
