// Every report of a list printed at once, through the printer dialog opened on the list: one
// job, each report from a new page with its own page numbers. Jobs go to the private queue of
// scripts/cups-test-printer (./test starts it); without it the test is skipped.
#include "message_box.h"
#include "message_recorder.h"
#include "page_range_dialog.h"
#include "print_messages.h"
#include "tfbrowser.h"

#include <QCheckBox>
#include <QDir>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include "html_view.h"
#include <QTest>

class ListPrintTest : public QObject {
    Q_OBJECT

private slots:
    void everyReportOfTheListInOneJob()
    {
        const QDir jobs(qEnvironmentVariable("ULNIK_TEST_PRINTER_JOBS"));
        if (jobs.path() == QStringLiteral("."))
            QSKIP("no private print queue: run under scripts/cups-test-printer, as ./test does");
        // The received reports, and one whose page crashes: it alone is left out, and named.
        const QDir samples(QStringLiteral(ULNIK_SOURCE_DIR "/samples/odebrane"));
        const QTemporaryDir copy;
        const QDir folder(copy.path());
        const QStringList names = samples.entryList({QStringLiteral("*.xml")}, QDir::Files);
        for (const QString& name : names)
            QVERIFY(QFile::copy(samples.filePath(name), folder.filePath(name)));
        QFile crashing(folder.filePath(QStringLiteral("zz_crash.xml")));
        QVERIFY(crashing.open(QIODevice::WriteOnly));
        crashing.write("<Szkola><Doc>Inne informacje</Doc><Date>2026-12-01</Date><Belfer>Zych Jan</Belfer><Dotyczy>T</Dotyczy>"
                       "<Info><IloscWierszy>1</IloscWierszy><w0>" +
                       QByteArray("&lt;table&gt;&lt;tr&gt;&lt;td&gt;").repeated(2000) + "</w0></Info></Szkola>");
        crashing.close();
        const int reports = int(names.size());
        std::vector<std::string> messages;
        MessageRecorder recorder(messages);
        TFBrowser window(&recorder);
        CreateWarningDialog(&window);
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
        QCOMPARE(all->text(), QString::fromUtf8("Wszystkie sprawozdania z listy (%1)").arg(reports + 1));
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
        QCOMPARE(messages, std::vector<std::string>{"Pomini\xEAto sprawozdanie z pliku:\rzz_crash.xml: " +
                                                    std::string(print_messages::kPageNotPrinted)});
        // The list is still shown, and leads to its reports.
        QVERIFY(shown.count() == 1);
        QCOMPARE(QString::fromStdString(window.State().CurrentReportPath), QString());
        QVERIFY(window.View()->page()->url().fileName() == QStringLiteral("Temp.htm"));
    }
};

QTEST_MAIN(ListPrintTest)
#include "list_print_test.moc"
