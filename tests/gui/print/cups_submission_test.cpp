// Jobs handed to CUPS while the scheduler answers slowly: a job given up is cancelled, and
// quitting waits for a job still being sent. On the private queue of scripts/cups-test-printer,
// seen through a go-between that holds back every answer; skipped without the queue.
#include <memory>

#include <QLocalServer>
#include <QLocalSocket>
#include <QProcess>
#include <QScopeGuard>
#include <QSemaphore>
#include <QTest>
#include <QThread>
#include <QTimer>

#include <cups/cups.h>

#include "cups_submission.h"
#include "temp_dir.h"

namespace {

constexpr const char* kPrinter = "ulnik-test";
constexpr char kPdf[] = "%PDF-1.4\n1 0 obj << /Type /Catalog >> endobj\ntrailer << /Root 1 0 R >>\n%%EOF\n";

// Passes every connection on to the scheduler, and each answer back `delayMs` late. Jobs sent
// while it lives go through it (their threads look for the scheduler afresh). On a thread of
// its own, so that a test may hold up the GUI thread meanwhile.
class SlowScheduler : public QThread {
public:
    SlowScheduler(QString scheduler, QString socket, int delayMs)
        : scheduler_(std::move(scheduler)), socket_(std::move(socket)), delayMs_(delayMs) {
        start();
        listening_.acquire();
        qputenv("CUPS_SERVER", socket_.toUtf8());
    }
    ~SlowScheduler() override {
        qputenv("CUPS_SERVER", scheduler_.toUtf8());
        quit();
        wait();
    }

protected:
    void run() override {
        QLocalServer server;
        QObject::connect(&server, &QLocalServer::newConnection, [&] {
            while (QLocalSocket* client = server.nextPendingConnection()) {
                auto* upstream = new QLocalSocket(client);
                upstream->connectToServer(scheduler_);
                upstream->waitForConnected(1000);
                const auto forward = [client, upstream] { upstream->write(client->readAll()); };
                QObject::connect(client, &QLocalSocket::readyRead, upstream, forward);
                QObject::connect(upstream, &QLocalSocket::readyRead, client, [this, client, upstream] {
                    QTimer::singleShot(delayMs_, client, [client, answer = upstream->readAll()] { client->write(answer); });
                });
                QObject::connect(client, &QLocalSocket::disconnected, client, &QObject::deleteLater);
                forward();
            }
        });
        server.listen(socket_);
        listening_.release();
        exec();
    }

private:
    QString scheduler_, socket_;
    int delayMs_;
    QSemaphore listening_;
};

struct QueuedJob {
    int id;
    ipp_jstate_t state;
};

}  // namespace

class CupsSubmissionTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        if (qEnvironmentVariableIsEmpty("ULNIK_TEST_PRINTER_JOBS"))
            QSKIP("no private print queue: run under scripts/cups-test-printer, as ./test does");
        scheduler_ = qgetenv("CUPS_SERVER");
    }

    // Slower than its time limit: the user hears the print failed, so it must not print later.
    // A job takes six answers here: one to find the printer, three to create the job, one to
    // start its document and one to take it. The limit falls before the job is created, or
    // after it has been sent whole.
    void givenUpJobIsCancelled_data() {
        QTest::addColumn<int>("answerMs");
        QTest::addColumn<int>("limitMs");
        QTest::newRow("given up before it is created") << 600 << 1000;
        QTest::newRow("given up before the scheduler has taken it") << 400 << 2200;
    }
    void givenUpJobIsCancelled() {
        QFETCH(int, answerMs);
        QFETCH(int, limitMs);
        QCOMPARE(QProcess::execute("cupsdisable", {kPrinter}), 0);  // its jobs stay in the queue
        const auto enable = qScopeGuard([] { QProcess::execute("cupsenable", {kPrinter}); });
        const int before = LastJobId();
        QList<CupsOutcome> outcomes;
        {
            const SlowScheduler slow(scheduler_, QString::fromStdString(scratch_.PathOf("slow.sock")), answerMs);
            QObject window;
            SubmitToCups(Job(), kPdf, limitMs, &window, [&](const CupsOutcome& outcome) { outcomes.append(outcome); });
            QTRY_COMPARE_WITH_TIMEOUT(outcomes.size(), 1, 5000);
            QVERIFY(WaitForCupsJobs(10000));
            QTest::qWait(100);  // no second answer, when the job has ended
        }
        QCOMPARE(outcomes.size(), 1);
        QVERIFY(outcomes.first().timedOut && !outcomes.first().sent);
        const QList<QueuedJob> jobs = JobsAfter(before);
        QCOMPARE(jobs.size(), 1);  // it reached the scheduler before it was given up
        QCOMPARE(jobs.first().state, IPP_JSTATE_CANCELED);
    }

    // Quitting while a job is still being sent, its window already closed: the job is waited
    // for, and nothing calls back into the window.
    void quittingWaitsForAJobBeingSent() {
        const int before = LastJobId();
        int answers = 0;
        {
            const SlowScheduler slow(scheduler_, QString::fromStdString(scratch_.PathOf("slower.sock")), 150);
            auto window = std::make_unique<QObject>();
            SubmitToCups(Job(), kPdf, kCupsJobMs, window.get(), [&](const CupsOutcome&) { ++answers; });
            window.reset();
            QVERIFY(WaitForCupsJobs(kCupsQuitWaitMs));
        }
        QTest::qWait(100);
        QCOMPARE(answers, 0);
        const QList<QueuedJob> jobs = JobsAfter(before);
        QCOMPARE(jobs.size(), 1);
        QVERIFY(jobs.first().state != IPP_JSTATE_CANCELED && jobs.first().state != IPP_JSTATE_ABORTED);
    }

private:
    static CupsJob Job() { return {kPrinter, "ulnik test", 1, true, {}}; }

    // Straight from the private scheduler.
    QList<QueuedJob> Jobs() const {
        QList<QueuedJob> list;
        http_t* http = httpConnect2(scheduler_.constData(), ippPort(), nullptr, AF_UNSPEC, HTTP_ENCRYPTION_NEVER, 1,
                                    5000, nullptr);
        if (!http) return list;
        cups_job_t* jobs = nullptr;
        const int count = cupsGetJobs2(http, &jobs, kPrinter, 0, CUPS_WHICHJOBS_ALL);
        for (int i = 0; i < count; ++i) list.append({jobs[i].id, jobs[i].state});
        cupsFreeJobs(count, jobs);
        httpClose(http);
        return list;
    }

    int LastJobId() const {
        int last = 0;
        for (const QueuedJob& job : Jobs()) last = std::max(last, job.id);
        return last;
    }

    QList<QueuedJob> JobsAfter(int id) const {
        QList<QueuedJob> after;
        for (const QueuedJob& job : Jobs())
            if (job.id > id) after.append(job);
        return after;
    }

    TempDir scratch_;
    QByteArray scheduler_;
};

int RunCupsSubmissionTests(int argc, char* argv[]) {
    CupsSubmissionTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "cups_submission_test.moc"
