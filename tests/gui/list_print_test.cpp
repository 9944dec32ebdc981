// Every report of a list printed at once, through the printer dialog opened on the list: one
// job, each report from a new page with its own page numbers. Jobs go to the private queue of
// scripts/cups-test-printer (./test starts it); without it the test is skipped.
#include "message_box.h"
#include "page_range_dialog.h"
#include "tfbrowser.h"

#include <QCheckBox>
#include <QDir>
#include <QProcess>
#include <QSignalSpy>
#include <QTest>

class ListPrintTest : public QObject {
    Q_OBJECT

private slots:
    void everyReportOfTheListInOneJob()
    {
        const QDir jobs(qEnvironmentVariable("ULNIK_TEST_PRINTER_JOBS"));
        if (jobs.path() == QStringLiteral("."))
            QSKIP("no private print queue: run under scripts/cups-test-printer, as ./test does");
        const QDir folder(QStringLiteral(ULNIK_SOURCE_DIR "/samples/odebrane"));
        const int reports = int(folder.entryList({QStringLiteral("*.xml")}, QDir::Files).size());
        TFBrowser window;
        CreateWarningDialog(&window);
        std::vector<std::string> messages;
        window.SetMessageHandler([&](MessageStyle, MessageIcon, const std::string& text) { messages.push_back(text); });
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QSignalSpy shown(&window, &TFBrowser::DocumentComplete);
        QVERIFY(window.OpenPath(folder.path()));
        QVERIFY(shown.wait(30000));
        const int before = int(jobs.entryList({QStringLiteral("job-*.pdf")}, QDir::Files).size());

        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QTest::keyClick(&window, Qt::Key_P, Qt::ControlModifier);
        PageRangeDialog* dialog = nullptr;
        QTRY_VERIFY_WITH_TIMEOUT((dialog = window.findChild<PageRangeDialog*>()), 30000);
        auto* all = dialog->findChild<QCheckBox*>(QStringLiteral("allReports"));
        QVERIFY(all);
        QCOMPARE(all->text(), QString::fromUtf8("Wszystkie sprawozdania z listy (%1)").arg(reports));
        all->setChecked(true);
        dialog->accept();

        QTRY_COMPARE_WITH_TIMEOUT(jobs.entryList({QStringLiteral("job-*.pdf")}, QDir::Files).size(), before + 1, 120000);
        const QString job = jobs.filePath(jobs.entryList({QStringLiteral("job-*.pdf")}, QDir::Files, QDir::Time).first());
        QTRY_VERIFY(QFile::exists(QString(job).replace(".pdf", ".title")));
        QFile title(QString(job).replace(".pdf", ".title"));
        QVERIFY(title.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(title.readAll().trimmed()), QString::fromUtf8("Wszystkie sprawozdania z listy"));
        QProcess pdftotext;
        pdftotext.start(QStringLiteral("pdftotext"), {job, QStringLiteral("-")});
        QVERIFY(pdftotext.waitForFinished(30000));
        QCOMPARE(pdftotext.readAllStandardError(), QByteArray());
        const QString text = QString::fromUtf8(pdftotext.readAllStandardOutput());
        QCOMPARE(int(text.count(QStringLiteral("- Str. 1 -"))), reports);
        QVERIFY(messages.empty());
    }
};

QTEST_MAIN(ListPrintTest)
#include "list_print_test.moc"
