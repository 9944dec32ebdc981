#pragma once
// `ulnik --screenshot`: shows the window as usual, opens what was asked (a school page through
// its folder's list, as the user reaches it), waits until the page is painted, and saves the
// window (its rounded shape on a transparent ground) as a PNG.
#include <QImage>
#include <QObject>
#include <QString>

#include <functional>
#include <optional>

#include "school_pages.h"

class TFBrowser;

class Screenshot : public QObject {
    Q_OBJECT

public:
    Screenshot(TFBrowser& window, QString output, QString input, std::optional<SchoolPageKind> schoolPage = {});
    // Runs once the event loop does; ends the loop with 0 when the picture was saved.
    void Begin();

private:
    void PageShown(bool ok);
    // Calls `then` once the view shows something other than before_.
    void WhenPainted(std::function<void()> then);
    void Save();
    void Fail(const QString& why);

    TFBrowser& window_;
    QString output_;
    QString input_;
    std::optional<SchoolPageKind> schoolPage_;  // opened from input_'s list once it is shown
    QImage before_;                             // the view before the page asked for was opened
};

// The main window's picture, in device pixels, with everything outside its outline transparent.
QImage ShapedWindowPicture(const QWidget& window);
