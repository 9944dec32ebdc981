#include "cups_submission.h"

#include <algorithm>
#include <chrono>
#include <future>
#include <memory>
#include <thread>

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

namespace {

constexpr int kPollMs = 50;

CupsOutcome Send(const CupsJob& job, const std::string& pdf, int answerSeconds) {
    try {
        SendPdfToCups(job, pdf, answerSeconds);
        return {true, false, {}};
    } catch (const std::exception& error) {
        return {false, false, error.what()};
    }
}

}  // namespace

void SubmitToCups(CupsJob job, std::string pdf, int limitMs, QObject* context,
                  std::function<void(const CupsOutcome&)> done) {
    // A job talks to the scheduler a few times: each answer may take a third of the whole.
    const int answerSeconds = std::max(1, limitMs / 3000);
    // The thread owns copies of everything it uses and touches nothing of Qt's, so it may
    // outlive the window; the GUI side only looks at the future.
    std::packaged_task<CupsOutcome()> task(
        [job = std::move(job), pdf = std::move(pdf), answerSeconds] { return Send(job, pdf, answerSeconds); });
    auto outcome = std::make_shared<std::future<CupsOutcome>>(task.get_future());
    std::thread(std::move(task)).detach();

    auto* poll = new QTimer(context);
    auto started = std::make_shared<QElapsedTimer>();
    started->start();
    QObject::connect(poll, &QTimer::timeout, context, [poll, outcome, started, limitMs, done] {
        if (outcome->wait_for(std::chrono::seconds(0)) == std::future_status::ready) {
            poll->stop();
            poll->deleteLater();
            done(outcome->get());
        } else if (started->hasExpired(limitMs)) {
            poll->stop();
            poll->deleteLater();
            done({false, true, {}});
        }
    });
    poll->start(kPollMs);
}
