#pragma once
// SIGTERM, SIGINT and SIGHUP end the program through its event loop, as a close does, so that
// what runs at the end (the page file deleted) runs for them too. A signal handler may do
// almost nothing: it writes a byte to a socket that the event loop watches. The web engine sets
// these signals back to their defaults when it starts, which may be after this is made: the
// handlers are put back whenever they are found gone.
#include <QObject>
#include <QTimer>

class QSocketNotifier;

class QuitOnSignals : public QObject {
    Q_OBJECT
public:
    // One at a time: the handlers write to this object's socket.
    explicit QuitOnSignals(QObject* parent = nullptr);
    ~QuitOnSignals() override;

    static constexpr int kCheckMs = 200;

private:
    void InstallHandlers();

    QSocketNotifier* notifier_ = nullptr;
    QTimer check_;
};
