#pragma once
// Tells when a widget shows something new. The web view paints from another process some
// time after a page has loaded; the only sure sign is the picture itself changing.
#include <QImage>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QWidget>

class PaintWatch : public QObject {
    Q_OBJECT

public:
    // Watches `widget` until it shows something other than `before`, and not a plain blank.
    PaintWatch(QWidget* widget, QImage before, QObject* parent = nullptr);
    // Starts watching; gives up after `timeoutMs`.
    void Start(int timeoutMs);

signals:
    void Painted();
    void TimedOut();

private:
    void Look();

    QPointer<QWidget> widget_;
    QImage before_;
    QTimer poll_;
    QTimer deadline_;
};

// The widget's picture as the screen shows it.
QImage Snapshot(QWidget* widget);
// True when every pixel has one colour.
bool IsBlank(const QImage& image);
