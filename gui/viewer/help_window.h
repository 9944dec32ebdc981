#pragma once
// The help in a window of the program's own: it shows whether or not the desktop has a
// browser, or anything to start one with.
#include <QWebEngineView>

class HelpPage;

class HelpWindow : public QWebEngineView {
    Q_OBJECT

public:
    // A window of its own, kept above `owner` and closed with it.
    explicit HelpWindow(QWidget* owner);

    // Shows the help page `path` (the folder it lies in is the help), and brings the window up.
    // Esc and Ctrl+W close it, Alt+Left goes back a page.
    void ShowHelp(const QString& path);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void childEvent(QChildEvent* event) override;

private:
    void PlaceOnScreen();

    HelpPage* page_;
};
