#include "cups_submission.h"

#include <algorithm>
#include <memory>
#include <utility>

#include <QCoreApplication>
#include <QFutureWatcher>
#include <QObject>
#include <QThreadPool>
#include <QTimer>
#include <QtConcurrent/QtConcurrentRun>

#include <cups/cups.h>

namespace {

// Jobs have threads of their own, so that quitting waits for these alone. Never deleted: the
// pool's destructor would wait without end for a job that hangs.
QThreadPool& JobThreads() {
    static QThreadPool* const threads = [] {
        auto* pool = new QThreadPool;
        // Jobs wait on the scheduler, not on the processor: one that hangs must not hold up others.
        pool->setMaxThreadCount(8);
        if (QCoreApplication* app = QCoreApplication::instance())
            QObject::connect(app, &QCoreApplication::aboutToQuit, [] { WaitForCupsJobs(kCupsQuitWaitMs); });
        return pool;
    }();
    return *threads;
}

CupsOutcome Send(const CupsJob& job, const std::string& pdf, int answerSeconds, CupsJobControl& control) {
    // libcups keeps the scheduler it has found for each thread, and the pool's threads serve one
    // job after another: each job looks for it afresh.
    cupsSetServer(nullptr);
    try {
        if (SendPdfToCups(job, pdf, answerSeconds, &control) == 0) return {false, true, {}};
        return {true, false, {}};
    } catch (const std::exception& error) {
        return {false, false, error.what()};
    }
}

}  // namespace

bool WaitForCupsJobs(int ms) { return JobThreads().waitForDone(ms); }

void SubmitToCups(CupsJob job, std::string pdf, int limitMs, QObject* context,
                  std::function<void(const CupsOutcome&)> done) {
    // A job talks to the scheduler a few times: each answer may take a third of the whole.
    const int answerSeconds = std::max(1, limitMs / 3000);
    auto control = std::make_shared<CupsJobControl>();
    // Whichever comes first answers: the job's end or its time limit.
    auto pending = std::make_shared<std::function<void(const CupsOutcome&)>>(std::move(done));
    const auto answer = [pending](const CupsOutcome& outcome) {
        if (const auto call = std::exchange(*pending, nullptr)) call(outcome);
    };
    // The watcher lives as long as the job, which owns copies of all it uses and touches nothing
    // of Qt's: it may outlive `context`.
    auto* watcher = new QFutureWatcher<CupsOutcome>;
    QObject::connect(watcher, &QFutureWatcherBase::finished, watcher, &QObject::deleteLater);
    QObject::connect(watcher, &QFutureWatcherBase::finished, context,
                     [watcher, answer] { answer(watcher->result()); });
    QTimer::singleShot(limitMs, context, [control, answer] {
        // A job sent meanwhile has its outcome on the way.
        if (control->GiveUp()) answer({false, true, {}});
    });
    watcher->setFuture(QtConcurrent::run(&JobThreads(), [job = std::move(job), pdf = std::move(pdf), answerSeconds,
                                                         control] { return Send(job, pdf, answerSeconds, *control); }));
}
