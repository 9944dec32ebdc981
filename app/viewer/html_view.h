#pragma once
// The embedded web view as the window sees it: navigate to a local page file, a signal when a
// page has loaded (its body's border already removed), and the page itself for printing and
// copying. Nothing is loaded before the first page.
#include <QWebEngineView>

class LocalFileInterceptor;
class ReportPage;
class QWebEngineProfile;

class HtmlView : public QWebEngineView {
    Q_OBJECT

public:
    explicit HtmlView(QWidget* parent = nullptr);
    ~HtmlView() override;

    // Shows the local file named by a plain path.
    void Navigate(const QString& path);
    ReportPage* Page() const { return page_; }
    LocalFileInterceptor* Interceptor() const { return interceptor_; }

signals:
    // A page has loaded and its body's border is gone (ok false: the load failed).
    void DocumentComplete(bool ok);

private:
    void WebBrowserDocumentComplete(bool ok);
    void RenderProcessTerminated(QWebEnginePage::RenderProcessTerminationStatus status);
    void childEvent(QChildEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

    LocalFileInterceptor* interceptor_;  // set while the profile is made
    QWebEngineProfile* profile_;
    ReportPage* page_;
};
