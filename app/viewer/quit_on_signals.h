#pragma once
// SIGTERM, SIGINT and SIGHUP end the program through its event loop, as a close does, so that
// what runs at the end (the page file deleted) runs for them too. A signal handler may do
// almost nothing: it writes a byte to a socket that the event loop watches.
#include <QObject>

class QSocketNotifier;

class QuitOnSignals : public QObject {
    Q_OBJECT
public:
    // One at a time: the handlers write to this object's socket.
    explicit QuitOnSignals(QObject* parent = nullptr);
    ~QuitOnSignals() override;

private:
    QSocketNotifier* notifier_ = nullptr;
};
