#pragma once
// The web page that shows the program's pages: it follows only the loads the program asks for.
// Links, meta refreshes and form posts in a report navigate even with scripts off, so every
// other navigation, and every new window, is refused here.
#include <QUrl>
#include <QWebEnginePage>

class LocalFileInterceptor;
class QWebEngineProfile;

class ReportPage : public QWebEnginePage {
    Q_OBJECT

public:
    // The profile must outlive the page.
    ReportPage(QWebEngineProfile* profile, QObject* parent = nullptr);

    // Loads a local file; the only navigation the page will follow.
    void LoadFile(const QString& path);
    // Loads the last file again, after its render process died.
    void ReloadFile();

protected:
    bool acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) override;
    QWebEnginePage* createWindow(WebWindowType type) override;

private:
    QUrl file_;
    bool loadRequested_ = false;
};

// An off-the-record profile whose pages may load only local files beside the page file.
// `interceptor` receives the profile's interceptor so its folder can be set.
QWebEngineProfile* CreateReportProfile(QObject* parent, LocalFileInterceptor** interceptor);
// Scripts, plugins, storage and prefetching off: a report is data, never a program.
void ApplyReportSettings(QWebEnginePage* page);
