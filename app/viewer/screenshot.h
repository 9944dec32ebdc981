#pragma once
// `ulnik --screenshot`: shows the window as usual, opens what was asked, waits until the page
// is painted, and saves the window (its rounded shape on a transparent ground) as a PNG.
#include <QObject>
#include <QString>

class TFBrowser;

class Screenshot : public QObject {
    Q_OBJECT

public:
    Screenshot(TFBrowser& window, QString output, QString input);
    // Runs once the event loop does; ends the loop with 0 when the picture was saved.
    void Begin();

private:
    void Save();
    void Fail(const QString& why);

    TFBrowser& window_;
    QString output_;
    QString input_;
};

// The main window's picture, in device pixels, with everything outside its outline transparent.
QImage ShapedWindowPicture(const QWidget& window);
