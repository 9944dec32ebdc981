// Every print route on a real page of several pages, read back with pdftotext: the PDF file,
// direct printing, the printer dialog (a page range; cancelled), the preview, and the cases
// that print nothing. Jobs go to the private queue of scripts/cups-test-printer.
#include <QAction>
#include <QDir>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QProcess>
#include <QSpinBox>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QWebEnginePage>
#include <QWebEngineView>

#include <cups/cups.h>

#include "long_report.h"
#include "page_printer.h"
#include "pdf_export.h"
#include "print_messages.h"
#include "printout_check.h"
#include "temp_dir.h"

Q_DECLARE_METATYPE(PrintOutcome)

// QSKIP returns from the test function itself, so this cannot be a function.
#define SKIP_WITHOUT_QUEUE()                                                                        \
    if (jobs_.isEmpty())                                                                            \
    QSKIP("no private print queue: run under scripts/cups-test-printer, as ./test does")

namespace {

constexpr int kLongReportLines = 150;
constexpr int kWaitMs = 30000;

template <typename Dialog>
Dialog* OpenDialog() {
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* dialog = qobject_cast<Dialog*>(widget); dialog && dialog->isVisible()) return dialog;
    return nullptr;
}

}  // namespace

class PrintRoutesTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        qRegisterMetaType<PrintOutcome>();
        QVERIFY(ShowReport(*view_.page(), scratch_.Write("long.xml", LongReport(kLongReportLines)),
                           scratch_.PathOf("Temp.htm")));
        jobs_ = qEnvironmentVariable("ULNIK_TEST_PRINTER_JOBS");
        jobsSeen_ = JobCount();
    }

    void pdfFileHasFootersInsideMargins() {
        const QString path = QString::fromStdString(scratch_.PathOf("page.pdf"));
        QSignalSpy done(this, &PrintRoutesTest::written);
        printer_.WritePdf(path, [this](bool ok) { emit written(ok); });
        QVERIFY(done.wait(kWaitMs));
        QVERIFY(done.first().first().toBool());
        const QList<PrintedPage> pages = ReadPrintout(path);
        QCOMPARE(CheckPrintout(pages), QString());
        QVERIFY(pages.size() >= 2);
        QVERIFY(pages.first().Text().contains("Dlugie sprawozdanie"));
        QVERIFY(pages.last().Text().contains(QString("Wiersz numer %1 ").arg(kLongReportLines - 1)));
        printoutPages_ = pages.size();
    }

    void printoutWaitsForThePageToLoad() {
        QWebEnginePage page;
        PagePrinter printer(&page, nullptr, {});
        const std::string pageFile = scratch_.PathOf("karta.htm");
        QVERIFY(ShowReport(page, ULNIK_SOURCE_DIR "/samples/z_karty.xml", pageFile));
        QSignalSpy started(&page, &QWebEnginePage::loadStarted);
        page.load(QUrl::fromLocalFile(QString::fromStdString(scratch_.PathOf("Temp.htm"))));
        QVERIFY(started.wait(kWaitMs));
        const QString path = QString::fromStdString(scratch_.PathOf("loading.pdf"));
        QSignalSpy done(this, &PrintRoutesTest::written);
        printer.WritePdf(path, [this](bool ok) { emit written(ok); });
        QVERIFY(done.wait(kWaitMs));
        QVERIFY(ReadPrintout(path).first().Text().contains("Dlugie sprawozdanie"));
    }

    void rightPressPrintsAtOnce() {
        SKIP_WITHOUT_QUEUE();
        QSignalSpy finished(&printer_, &PagePrinter::finished);
        printer_.Press(Qt::RightButton, Qt::NoModifier, false);
        QVERIFY(!OpenDialog<QPrintDialog>());
        QCOMPARE(Outcome(finished), PrintOutcome::Printed);
        const QList<PrintedPage> pages = ReadPrintout(NextJob());
        QCOMPARE(CheckPrintout(pages), QString());
        QCOMPARE(pages.size(), printoutPages_);
    }

    void doubleClickPrintsTwice() {
        SKIP_WITHOUT_QUEUE();
        QSignalSpy finished(&printer_, &PagePrinter::finished);
        printer_.Press(Qt::LeftButton, Qt::NoModifier, false);
        printer_.Press(Qt::LeftButton, Qt::NoModifier, true);
        QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 2, kWaitMs);
        for (const QList<QVariant>& outcome : finished)
            QCOMPARE(outcome.first().value<PrintOutcome>(), PrintOutcome::Printed);
        QVERIFY(!NextJob().isEmpty());
        QVERIFY(!NextJob().isEmpty());
    }

    void refusedJobIsReported() {
        SKIP_WITHOUT_QUEUE();
        QCOMPARE(QProcess::execute("cupsreject", {"ulnik-test"}), 0);
        QSignalSpy finished(&printer_, &PagePrinter::finished);
        messages_.clear();
        const int before = JobCount();
        printer_.Press(Qt::LeftButton, Qt::NoModifier, false);
        const PrintOutcome outcome = Outcome(finished);
        QProcess::execute("cupsaccept", {"ulnik-test"});
        QCOMPARE(outcome, PrintOutcome::Failed);
        QCOMPARE(messages_.size(), std::size_t(1));
        QVERIFY(messages_.front().starts_with(print_messages::kPrintFailed));
        QVERIFY(messages_.front().size() > print_messages::kPrintFailed.size());  // CUPS's reason
        QCOMPARE(JobCount(), before);
    }

    void altPressPrintsTheRangeAndCopiesChosenInTheDialog() {
        SKIP_WITHOUT_QUEUE();
        QSignalSpy finished(&printer_, &PagePrinter::finished);
        printer_.Press(Qt::LeftButton, Qt::AltModifier, false);
        QPrintDialog* dialog = OpenDialog<QPrintDialog>();
        QVERIFY(dialog);
        dialog->setPrintRange(QAbstractPrintDialog::PageRange);
        dialog->setFromTo(2, 2);
        dialog->setVisible(true);  // shows the range in the dialog's own fields
        auto* copies = dialog->findChild<QSpinBox*>("copies");
        QVERIFY(copies);
        copies->setValue(2);
        dialog->accept();
        QCOMPARE(Outcome(finished), PrintOutcome::Printed);
        const QString job = NextJob();
        const QList<PrintedPage> pages = ReadPrintout(job);
        QCOMPARE(pages.size(), 1);
        QCOMPARE(CheckPrintout(pages, 2), QString());
        QFile asked(QString(job).replace(".pdf", ".copies"));
        QVERIFY(asked.open(QIODevice::ReadOnly));
        QCOMPARE(asked.readAll().trimmed(), QByteArray("2"));
    }

    void cancelledDialogPrintsNothing() {
        SKIP_WITHOUT_QUEUE();
        QSignalSpy finished(&printer_, &PagePrinter::finished);
        const int before = JobCount();
        printer_.Press(Qt::LeftButton, Qt::AltModifier, false);
        QTRY_VERIFY(OpenDialog<QPrintDialog>());
        OpenDialog<QPrintDialog>()->reject();
        QCOMPARE(Outcome(finished), PrintOutcome::Cancelled);
        QCOMPARE(JobCount(), before);
    }

    void shiftPressPreviewsMaximisedAndPrintsNothing() {
        QSignalSpy finished(&printer_, &PagePrinter::finished);
        const int before = JobCount();
        printer_.Press(Qt::LeftButton, Qt::ShiftModifier, false);
        QTRY_VERIFY_WITH_TIMEOUT(OpenDialog<QPrintPreviewDialog>(), kWaitMs);
        QPrintPreviewDialog* dialog = OpenDialog<QPrintPreviewDialog>();
        QVERIFY(dialog->windowState() & Qt::WindowMaximized);
        auto* preview = dialog->findChild<QPrintPreviewWidget*>();
        QVERIFY(preview);
        QTRY_COMPARE(preview->pageCount(), printoutPages_);
        // Landscape pages are shorter: the printout is made again, on more pages.
        preview->setLandscapeOrientation();
        QTRY_VERIFY_WITH_TIMEOUT(preview->pageCount() > printoutPages_, kWaitMs);
        dialog->reject();
        QCOMPARE(finished.count(), 0);
        QCOMPARE(JobCount(), before);
    }

    void previewsPrintButtonPrintsThePrintout() {
        SKIP_WITHOUT_QUEUE();
        QSignalSpy finished(&printer_, &PagePrinter::finished);
        printer_.Press(Qt::LeftButton, Qt::ShiftModifier, false);
        QTRY_VERIFY_WITH_TIMEOUT(OpenDialog<QPrintPreviewDialog>(), kWaitMs);
        QPrintPreviewDialog* preview = OpenDialog<QPrintPreviewDialog>();
        QAction* print = nullptr;
        for (QAction* action : preview->findChildren<QAction*>())
            if (action->text() == "Print") print = action;
        QVERIFY(print);
        // The preview asks for the printer in a dialog of its own, modal: answer it meanwhile.
        QTimer answer;
        QObject::connect(&answer, &QTimer::timeout, [] {
            if (auto* dialog = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget()))
                dialog->accept();
        });
        answer.start(50);
        print->trigger();
        answer.stop();
        QCOMPARE(Outcome(finished), PrintOutcome::Printed);
        const QList<PrintedPage> pages = ReadPrintout(NextJob());
        QCOMPARE(CheckPrintout(pages), QString());
        QCOMPARE(pages.size(), printoutPages_);
    }

    void nothingHappensBeforeTheFirstPage() {
        QWebEnginePage empty;
        std::vector<std::string> messages;
        PagePrinter printer(&empty, nullptr, [&](MessageStyle, MessageIcon, const std::string& text) {
            messages.push_back(text);
        });
        QSignalSpy finished(&printer, &PagePrinter::finished);
        printer.Press(Qt::LeftButton, Qt::NoModifier, false);
        printer.Press(Qt::LeftButton, Qt::AltModifier, false);
        printer.Press(Qt::LeftButton, Qt::ShiftModifier, false);
        QTest::qWait(200);
        QVERIFY(!OpenDialog<QPrintDialog>());
        QVERIFY(!OpenDialog<QPrintPreviewDialog>());
        QCOMPARE(finished.count(), 2);
        QCOMPARE(finished.at(0).first().value<PrintOutcome>(), PrintOutcome::NoPage);
        QVERIFY(messages.empty());
    }

    void missingPrinterIsReported() {
        cupsSetServer("/nonexistent/ulnik-test.sock");
        QSignalSpy finished(&printer_, &PagePrinter::finished);
        messages_.clear();
        printer_.Press(Qt::LeftButton, Qt::AltModifier, false);
        cupsSetServer(nullptr);
        QCOMPARE(finished.count(), 1);
        QCOMPARE(finished.first().first().value<PrintOutcome>(), PrintOutcome::NoPrinter);
        QCOMPARE(messages_, std::vector<std::string>{std::string(print_messages::kNoPrinter)});
        QVERIFY(!OpenDialog<QPrintDialog>());
    }

    void exportsReportsAndFolders_data() {
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("output");
        QTest::addColumn<int>("exitCode");
        const QString samples = ULNIK_SOURCE_DIR "/samples/";
        const QString out = QString::fromStdString(scratch_.PathOf("export.pdf"));
        QTest::newRow("report") << samples + "zachowanie_3a.xml" << out << 0;
        QTest::newRow("folder") << samples + "odebrane" << out << 0;
        QTest::newRow("wrong type") << samples + "README.md" << out << 2;
        QTest::newRow("no reports") << QString::fromStdString(scratch_.path().string()) + "/none" << out << 5;
        QTest::newRow("cannot write") << samples + "z_karty.xml"
                                      << QString::fromStdString(scratch_.PathOf("no/such/folder.pdf")) << 4;
    }
    void exportsReportsAndFolders() {
        QFETCH(QString, input);
        QFETCH(QString, output);
        QFETCH(int, exitCode);
        QDir().mkpath(QString::fromStdString(scratch_.PathOf("none")));
        QFile::remove(output);
        QWebEnginePage page;
        QCOMPARE(ExportPdf(page, output.toStdString(), input.toStdString()), exitCode);
        if (exitCode == 0) QCOMPARE(CheckPrintout(ReadPrintout(output)), QString());
    }

signals:
    void written(bool ok);

private:
    int JobCount() const {
        return jobs_.isEmpty() ? 0 : QDir(jobs_).entryList({"job-*.pdf"}, QDir::Files).size();
    }

    // The job file the queue writes after the ones already there.
    QString NextJob() {
        const int wanted = ++jobsSeen_;
        if (!QTest::qWaitFor([&] { return JobCount() >= wanted; }, kWaitMs)) return {};
        QStringList files = QDir(jobs_).entryList({"job-*.pdf"}, QDir::Files, QDir::Time);
        return QDir(jobs_).filePath(files.first());
    }

    static PrintOutcome Outcome(QSignalSpy& finished) {
        if (finished.isEmpty() && !finished.wait(kWaitMs)) return PrintOutcome::Failed;
        return finished.first().first().value<PrintOutcome>();
    }

    TempDir scratch_;
    QWebEngineView view_;
    std::vector<std::string> messages_;
    PagePrinter printer_{view_.page(), &view_, [this](MessageStyle, MessageIcon, const std::string& text) {
                             messages_.push_back(text);
                         }};
    QString jobs_;
    int jobsSeen_ = 0;
    int printoutPages_ = 0;
};

int RunPrintRoutesTests(int argc, char* argv[]) {
    PrintRoutesTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "print_routes_test.moc"
