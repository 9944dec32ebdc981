#pragma once
// The page's reading size: larger or smaller by steps, or back to the page's own size, while
// the window keeps its size. The size chosen last is kept for the next run.
#include <QObject>

class QWebEngineView;

class PageZoom : public QObject {
    Q_OBJECT

public:
    // Gives `view` the size kept from the last run, and sizes its page by Ctrl+wheel too.
    explicit PageZoom(QWebEngineView* view);

    void ZoomIn();
    void ZoomOut();
    void Reset();

private:
    void WatchWheel(QObject* child);
    bool eventFilter(QObject* watched, QEvent* event) override;
    void Set(qreal factor);

    QWebEngineView* view_;
    int wheelTurn_ = 0;  // what the wheel turned short of a whole step
};
