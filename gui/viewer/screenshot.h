#pragma once
// `ulnik --screenshot`: shows the window as usual, opens what was asked (a report, a folder's
// list, or a school page of a folder, as `ulnik --pdf` makes it), waits until the page is
// painted, and saves the window (its rounded shape on a transparent ground) as a PNG.
#include <QImage>
#include <QObject>
#include <QString>

#include <functional>
#include <optional>

#include "ansi_text.h"
#include "school_pages.h"

class Shell;
class TFBrowser;

class Screenshot : public QObject {
    Q_OBJECT

public:
    // The files a school page leaves out are named to `messages`.
    Screenshot(TFBrowser& window, Shell& messages, QString output, QString input,
               std::optional<SchoolPageKind> schoolPage = {});
    // Runs once the event loop does; ends the loop with 0 when the picture was saved (6 when
    // of a school page that left files out), with `ulnik --pdf`'s codes when the page was not
    // made, and with 4 (as --pdf) when it could not be shown, pictured or saved.
    void Begin();

private:
    void PageShown(bool ok);
    // Calls `then` once the view shows something other than before_.
    void WhenPainted(std::function<void()> then);
    void OpenSchoolPage(SchoolPageKind kind);
    void Save();
    void Fail(const AnsiText& why);

    TFBrowser& window_;
    Shell& messages_;
    QString output_;
    QString input_;
    std::optional<SchoolPageKind> schoolPage_;  // of the folder input_ names
    QImage before_;                             // the view before the page asked for was opened
    int exitCode_ = 0;                          // once the picture is saved
};

// The main window's picture, in device pixels, with everything outside its outline transparent.
QImage ShapedWindowPicture(const QWidget& window);
