#pragma once
// What every web page of the program allows, the report's and the help's alike. A received
// report is untrusted and its values reach the page verbatim, so a page runs no script of its
// own, opens no window, keeps nothing on disk, fetches nothing but local files of the one
// folder its interceptor allows, and withholds Ctrl+N (a new browser window) from its view.
#include <QWebEnginePage>

class LocalFileInterceptor;
class QWebEngineProfile;

class SafePage : public QWebEnginePage {
    Q_OBJECT

public:
    explicit SafePage(QObject* parent = nullptr);

    LocalFileInterceptor* Interceptor() const { return interceptor_; }

    // Install on the widget that receives the view's keys (the view's focus proxy).
    bool eventFilter(QObject* watched, QEvent* event) override;

protected:
    QWebEnginePage* createWindow(WebWindowType type) override;

private:
    struct Profile {
        QWebEngineProfile* profile;
        LocalFileInterceptor* interceptor;
    };
    // An off-the-record profile whose pages may load only what its interceptor lets through.
    static Profile CreateProfile();
    SafePage(Profile made, QObject* parent);

    LocalFileInterceptor* interceptor_;
};

// Screen readers read the pages too. On Linux, Chromium builds a page's accessibility tree only
// where the environment asks for it (and then only while an assistive technology runs); it is
// read once, when the web engine starts. Call before the application is made.
void EnableScreenReaders();

// The pages are drawn by Qt Quick's software renderer, not through OpenGL: a report page needs
// no GPU, and without one OpenGL is Mesa's software rasteriser, which weighs some 30 MiB in the
// viewer's process and costs a tenth of its start. An explicit QT_QUICK_BACKEND is kept. Call
// before the first web view is made.
void DrawPagesInSoftware();
