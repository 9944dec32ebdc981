// Every print route on a real page of several pages, read back with pdftotext: the PDF file,
// direct printing, the printer dialog (a page range; cancelled), the preview, and the cases
// that print nothing. Jobs go to the private queue of scripts/cups-test-printer.
#include <QAction>
#include <algorithm>
#include <iostream>
#include <map>
#include <sstream>
#include <QDir>
#include <QElapsedTimer>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLineEdit>
#include <QMessageBox>
#include <QRadioButton>
#include <QScopeGuard>
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

#include "cups_submission.h"
#include "file_verdict.h"
#include "utf8.h"
#include "long_report.h"
#include "page_printer.h"
#include "pdf_export.h"
#include "ulnik_version.h"
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFOutlineDocumentHelper.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include "print_messages.h"
#include "printout_check.h"
#include "recording_shell.h"
#include "temp_dir.h"
#include "terminal_shell.h"

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

// What `ulnik --pdf` writes: the page of what it names, every report of a folder, a school page.
enum class Exported { Page, AllReports, Combined, Summary, Check };

// `ulnik --pdf`'s export, run until it says how it ended; messages go to `errors`.
// The PDF's document information, each value as text: what other programs show of the file.
std::map<std::string, std::string> DocumentInfo(const std::string& path) {
    QPDF pdf;
    pdf.processFile(path.c_str());
    std::map<std::string, std::string> info{{"version", pdf.getPDFVersion()}};
    QPDFObjectHandle dictionary = pdf.getTrailer().getKey("/Info");
    for (const std::string key : {"/Title", "/Author", "/Creator", "/Producer"})
        if (dictionary.isDictionary() && dictionary.getKey(key).isString())
            info[key] = dictionary.getKey(key).getUTF8Value();
    return info;
}

int Export(const std::string& output, const std::string& input, Exported what, std::ostream& errors = std::cerr) {
    TerminalShell shell(errors);
    PdfExport exporter(shell);
    int exitCode = -1;
    const auto done = [&exitCode](int code) { exitCode = code; };
    switch (what) {
    case Exported::Page: exporter.ExportPage(output, input, done); break;
    case Exported::AllReports: exporter.ExportAllReports(output, input, done); break;
    case Exported::Combined: exporter.ExportSchoolPage(output, SchoolPageKind::Combined, input, done); break;
    case Exported::Summary: exporter.ExportSchoolPage(output, SchoolPageKind::Summary, input, done); break;
    case Exported::Check: exporter.ExportSchoolPage(output, SchoolPageKind::Check, input, done); break;
    }
    if (!QTest::qWaitFor([&] { return exitCode >= 0; }, 120000)) return -1;
    return exitCode;
}

// An "Inne informacje" report of two pages that breaks off in its last line.
QByteArray CutOffReport() {
    QByteArray lines;
    for (int i = 0; i < 120; ++i) lines += QByteArray("<w") + QByteArray::number(i) + ">Wiersz " + QByteArray::number(i) +
                                        "</w" + QByteArray::number(i) + ">";
    return "<?xml version=\"1.0\" encoding=\"windows-1250\"?><Szkola><Doc>Inne informacje</Doc><Date>2026-12-01</Date>"
           "<Belfer>Urwa Jan</Belfer><Dotyczy>T</Dotyczy><Info><IloscWierszy>121</IloscWierszy>" + lines + "<w120>urw";
}

}  // namespace

class PrintRoutesTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        qRegisterMetaType<PrintOutcome>();
        QVERIFY(ShowReport(*view_.page(), scratch_.Write("long.xml", LongReport(kLongReportLines)),
                           scratch_.PathOf("Temp.htm")));
        printer_.SetJobTitle(QString::fromUtf8("d\u0142ugie sprawozdanie.xml"));
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
        // Tahoma 10 pt lines are 12 pt apart, as on Windows: capitals' accents stay clear.
        for (const PrintedPage& page : pages)
            for (const double pitch : LinePitches(page, "Wiersz"))
                QVERIFY2(std::abs(pitch - 12.0) < 0.1, qPrintable(QString("line pitch %1 pt").arg(pitch)));
        printoutPages_ = pages.size();
    }

    // Lines that begin with accented capitals: their accents reach above the line, and at a
    // page break must not print at the foot of the page before.
    void accentsOfTheNextPageStayOffThisOne() {
        QWebEnginePage page;
        RecordingShell shell;
        PagePrinter printer(&page, nullptr, shell);
        std::string report = LongReport(kLongReportLines);
        for (std::size_t at = 0; (at = report.find(">Wiersz", at)) != std::string::npos;)
            report.replace(at, 7, ">\xA3\xF3" "d\xBC \x8Cwi\xEAtos\xB3" "awa \xAF\xF3\xB3w \xD3");  // Łódź Świętosława Żółw Ó
        QVERIFY(ShowReport(page, scratch_.Write("akcenty.xml", report), scratch_.PathOf("akcenty.htm")));
        const QString path = QString::fromStdString(scratch_.PathOf("akcenty.pdf"));
        QSignalSpy done(this, &PrintRoutesTest::written);
        printer.WritePdf(path, [this](bool ok) { emit written(ok); });
        QVERIFY(done.wait(kWaitMs));
        QVERIFY(ReadPrintout(path).size() >= 2);
        QCOMPARE(CheckFootOfBodyBlank(path), QString());
    }

    void printoutWaitsForThePageToLoad() {
        QWebEnginePage page;
        RecordingShell shell;
        PagePrinter printer(&page, nullptr, shell);
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
        QSignalSpy delivered(&printer_, &PagePrinter::delivered);
        printer_.Press(Qt::RightButton, Qt::NoModifier, false);
        QVERIFY(!OpenDialog<QPrintDialog>());
        QCOMPARE(Outcome(finished), PrintOutcome::Printed);
        QCOMPARE(delivered.count(), 1);
        QCOMPARE(delivered.first().first().toString(), QString::fromUtf8("Wysłano do drukarki: %1 str.").arg(printoutPages_));
        const QString job = NextJob();
        const QList<PrintedPage> pages = ReadPrintout(job);
        QCOMPARE(CheckPrintout(pages), QString());
        QCOMPARE(pages.size(), printoutPages_);
        QCOMPARE(JobFile(job, "title"), QString::fromUtf8("d\u0142ugie sprawozdanie.xml"));
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
        shell_.messages.clear();
        const int before = JobCount();
        printer_.Press(Qt::LeftButton, Qt::NoModifier, false);
        const PrintOutcome outcome = Outcome(finished);
        QProcess::execute("cupsaccept", {"ulnik-test"});
        QCOMPARE(outcome, PrintOutcome::Failed);
        QCOMPARE(shell_.messages.size(), std::size_t(1));
        QVERIFY(shell_.messages.front().text.starts_with(print_messages::kPrintFailed));
        QVERIFY(shell_.messages.front().text.size() > print_messages::kPrintFailed.Bytes().size());  // CUPS's reason
        QCOMPARE(JobCount(), before);
    }

    // The page field takes what a user types, checked against the printout's pages.
    void altPressPrintsThePagesTypedInTheDialog_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QList<int>>("printed");
        QTest::addColumn<int>("copies");
        QTest::newRow("one page, two copies") << "2" << QList<int>{2} << 2;
        QTest::newRow("a range") << "2-3" << QList<int>{2, 3} << 1;
    }
    void altPressPrintsThePagesTypedInTheDialog() {
        SKIP_WITHOUT_QUEUE();
        QFETCH(QString, typed);
        QFETCH(QList<int>, printed);
        QFETCH(int, copies);
        QSignalSpy finished(&printer_, &PagePrinter::finished);
        printer_.Press(Qt::LeftButton, Qt::AltModifier, false);
        QTRY_VERIFY_WITH_TIMEOUT(OpenDialog<QPrintDialog>(), kWaitMs);
        QPrintDialog* dialog = OpenDialog<QPrintDialog>();
        auto* pagesChoice = dialog->findChild<QRadioButton*>("pagesRadioButton");
        auto* pagesField = dialog->findChild<QLineEdit*>("pagesLineEdit");
        QVERIFY(pagesChoice && pagesField);
        QCOMPARE(pagesChoice->text(), QStringLiteral("Strony"));  // Qt 6.4 leaves it in English
        pagesChoice->click();
        QTest::keyClicks(pagesField, typed);
        dialog->findChild<QSpinBox*>("copies")->setValue(copies);
        // A refusal comes as a modal message box: note it and close it.
        QString refusal;
        QTimer answer;
        QObject::connect(&answer, &QTimer::timeout, [&] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                refusal = box->text();
                box->reject();
            }
        });
        answer.start(50);
        dialog->accept();
        answer.stop();
        QCOMPARE(refusal, QString());
        QCOMPARE(Outcome(finished), PrintOutcome::Printed);
        const QString job = NextJob();
        const QList<PrintedPage> pages = ReadPrintout(job);
        QCOMPARE(pages.size(), printed.size());
        QCOMPARE(CheckPrintout(pages, printed.first()), QString());
        QCOMPARE(JobFile(job, "copies"), QString::number(copies));
    }

    void pagesBeyondThePrintoutAreRefusedInTheDialog() {
        SKIP_WITHOUT_QUEUE();
        QSignalSpy finished(&printer_, &PagePrinter::finished);
        shell_.messages.clear();
        printer_.Press(Qt::LeftButton, Qt::AltModifier, false);
        QTRY_VERIFY_WITH_TIMEOUT(OpenDialog<QPrintDialog>(), kWaitMs);
        QPrintDialog* dialog = OpenDialog<QPrintDialog>();
        dialog->findChild<QRadioButton*>("pagesRadioButton")->click();
        dialog->findChild<QLineEdit*>("pagesLineEdit")->setText(QString::number(printoutPages_ + 1));
        dialog->accept();
        QVERIFY(dialog->isVisible());
        QCOMPARE(shell_.messages.size(), std::size_t(1));
        QCOMPARE(shell_.messages.front().text, print_messages::WrongPageList(printoutPages_).Bytes());
        dialog->reject();
        QCOMPARE(Outcome(finished), PrintOutcome::Cancelled);
    }

    // A runaway page makes thousands of printed pages: a direct print of many asks first.
    void longDirectPrintAsksFirst_data() {
        QTest::addColumn<int>("answer");
        QTest::addColumn<PrintOutcome>("outcome");
        QTest::newRow("Tak") << int(ChoiceTak) << PrintOutcome::Printed;
        QTest::newRow("Nie") << int(ChoiceNie) << PrintOutcome::Cancelled;
        QTest::newRow("Anuluj") << int(ChoiceAnuluj) << PrintOutcome::Cancelled;
    }
    void longDirectPrintAsksFirst() {
        SKIP_WITHOUT_QUEUE();
        QFETCH(int, answer);
        QFETCH(PrintOutcome, outcome);
        QWebEnginePage page;
        QSignalSpy loaded(&page, &QWebEnginePage::loadFinished);
        page.load(QUrl::fromLocalFile(QString::fromStdString(
            scratch_.Write("tall.htm", "<div style=\"height:1500cm\">tall</div>"))));
        QVERIFY(loaded.wait(kWaitMs));
        RecordingShell shell;
        shell.answer = MessageChoice(answer);
        PagePrinter printer(&page, nullptr, shell);
        QSignalSpy finished(&printer, &PagePrinter::finished);
        const int before = JobCount();
        printer.Press(Qt::LeftButton, Qt::NoModifier, false);
        QCOMPARE(Outcome(finished), outcome);
        QCOMPARE(shell.messages.size(), std::size_t(1));
        QCOMPARE(shell.messages.front().style, StyleTakNieAnuluj);
        QVERIFY(shell.messages.front().text.starts_with("Wydruk ma "));
        if (outcome == PrintOutcome::Printed) {
            QVERIFY(ReadPrintout(NextJob()).size() > kPagesPrintedWithoutAsking);
        } else {
            QTest::qWait(200);
            QCOMPARE(JobCount(), before);
        }
    }

    // Printouts asked for before a new page is shown print the page as it was.
    void eachPrintoutShowsThePageItWasAskedFor() {
        QWebEnginePage page;
        RecordingShell shell;
        PagePrinter printer(&page, nullptr, shell);
        QVERIFY(ShowReport(page, ULNIK_SOURCE_DIR "/samples/z_karty.xml", scratch_.PathOf("karta.htm")));
        QStringList texts;
        const auto write = [&](const char* name) {
            const QString path = QString::fromStdString(scratch_.PathOf(name));
            printer.WritePdf(path, [&texts, path](bool) {
                const QList<PrintedPage> pages = ReadPrintout(path);
                texts.append(pages.isEmpty() ? QString() : pages.first().Text());
            });
        };
        write("first.pdf");
        write("second.pdf");
        printer.LoadAfterPrintouts([&] { page.load(QUrl::fromLocalFile(QString::fromStdString(scratch_.PathOf("Temp.htm")))); });
        write("third.pdf");
        QTRY_COMPARE_WITH_TIMEOUT(texts.size(), 3, kWaitMs);
        QVERIFY(!texts[0].contains("Dlugie sprawozdanie") && !texts[0].isEmpty());
        QVERIFY(!texts[1].contains("Dlugie sprawozdanie") && !texts[1].isEmpty());
        QVERIFY(texts[2].contains("Dlugie sprawozdanie"));
    }

    // A print system that takes a job and never answers leaves the window alive, and the print
    // ends as failed when its time is up.
    void silentPrintSystemIsGivenUp() {
        SKIP_WITHOUT_QUEUE();
        QLocalServer silent;
        QList<QLocalSocket*> held;
        QObject::connect(&silent, &QLocalServer::newConnection, [&] { held.append(silent.nextPendingConnection()); });
        QVERIFY(silent.listen(QString::fromStdString(scratch_.PathOf("silent.sock"))));
        // Jobs talk to CUPS from a thread of their own, which reads CUPS_SERVER afresh.
        const QByteArray server = qgetenv("CUPS_SERVER");
        qputenv("CUPS_SERVER", silent.fullServerName().toUtf8());
        shell_.messages.clear();
        printer_.SetJobTimeLimit(1500);
        QSignalSpy finished(&printer_, &PagePrinter::finished);
        QElapsedTimer sinceAsked;
        sinceAsked.start();
        int ticks = 0;
        QTimer tick;
        QObject::connect(&tick, &QTimer::timeout, [&] { ++ticks; });
        tick.start(100);
        printer_.Press(Qt::LeftButton, Qt::NoModifier, false);
        const PrintOutcome outcome = Outcome(finished);
        qputenv("CUPS_SERVER", server);
        printer_.SetJobTimeLimit(kCupsJobMs);
        QCOMPARE(outcome, PrintOutcome::Failed);
        QVERIFY(!held.isEmpty());
        QVERIFY2(ticks >= sinceAsked.elapsed() / 100 / 2, "the event loop stood still");
        QCOMPARE(shell_.messages.size(), std::size_t(1));
        QVERIFY(shell_.messages.front().text.starts_with(print_messages::kPrintFailed));
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
        view_.show();
        view_.activateWindow();
        const auto hide = qScopeGuard([this] { view_.hide(); });
        QVERIFY(QTest::qWaitForWindowActive(&view_));
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
        // The window it was opened over has the keys again.
        QTRY_COMPARE(QApplication::activeWindow(), view_.window());
        const QList<PrintedPage> pages = ReadPrintout(NextJob());
        QCOMPARE(CheckPrintout(pages), QString());
        QCOMPARE(pages.size(), printoutPages_);
    }

    void nothingHappensBeforeTheFirstPage() {
        QWebEnginePage empty;
        RecordingShell shell;
        PagePrinter printer(&empty, nullptr, shell);
        QSignalSpy finished(&printer, &PagePrinter::finished);
        printer.Press(Qt::LeftButton, Qt::NoModifier, false);
        printer.Press(Qt::LeftButton, Qt::AltModifier, false);
        printer.Press(Qt::LeftButton, Qt::ShiftModifier, false);
        QTest::qWait(200);
        QVERIFY(!OpenDialog<QPrintDialog>());
        QVERIFY(!OpenDialog<QPrintPreviewDialog>());
        QCOMPARE(finished.count(), 2);
        QCOMPARE(finished.at(0).first().value<PrintOutcome>(), PrintOutcome::NoPage);
        QVERIFY(shell.messages.empty());
    }

    void missingPrinterIsReported() {
        cupsSetServer("/nonexistent/ulnik-test.sock");
        QSignalSpy finished(&printer_, &PagePrinter::finished);
        shell_.messages.clear();
        printer_.Press(Qt::LeftButton, Qt::AltModifier, false);
        cupsSetServer(nullptr);
        QCOMPARE(finished.count(), 1);
        QCOMPARE(finished.first().first().value<PrintOutcome>(), PrintOutcome::NoPrinter);
        QCOMPARE(shell_.messages.size(), std::size_t(1));
        QCOMPARE(shell_.messages.front().text, std::string(print_messages::kNoPrinter));
        QVERIFY(!OpenDialog<QPrintDialog>());
    }

    void exportsReportsAndFolders_data() {
        QTest::addColumn<int>("what");
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("output");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("title");  // of the first page, when written
        const QString samples = ULNIK_SOURCE_DIR "/samples/";
        const QString out = QString::fromStdString(scratch_.PathOf("export.pdf"));
        const QString none = QString::fromStdString(scratch_.path().string()) + "/none";
        const int page = int(Exported::Page), combined = int(Exported::Combined), summary = int(Exported::Summary),
                  check = int(Exported::Check);
        QTest::newRow("report") << page << samples + "zachowanie_3a.xml" << out << 0 << "";
        QTest::newRow("folder") << page << samples + "odebrane" << out << 0 << "LISTA OTRZYMANYCH";
        QTest::newRow("wrong type") << page << samples + "README.md" << out << 2 << "";
        QTest::newRow("missing file") << page << samples + "brak.xml" << out << 3 << "";
        QTest::newRow("no reports") << page << none << out << 5 << "";
        QTest::newRow("cannot write") << page << samples + "z_karty.xml"
                                      << QString::fromStdString(scratch_.PathOf("no/such/folder.pdf")) << 4 << "";
        QTest::newRow("combined report") << combined << samples + "odebrane" << out << 0 << "SPRAWOZDANIE ZBIORCZE";
        QTest::newRow("summary") << summary << samples + "odebrane" << out << 0 << "WYNIKI KLASYFIKACJI";
        QTest::newRow("summary of no reports") << summary << none << out << 5 << "";
        QTest::newRow("check") << check << samples + "odebrane" << out << 0 << "SPRAWDZENIE PLIK";
    }
    void exportsReportsAndFolders() {
        QFETCH(int, what);
        QFETCH(QString, input);
        QFETCH(QString, output);
        QFETCH(int, exitCode);
        QFETCH(QString, title);
        QDir().mkpath(QString::fromStdString(scratch_.PathOf("none")));
        QFile::remove(output);
        std::ostringstream errors;
        QCOMPARE(Export(output.toStdString(), input.toStdString(), Exported(what), errors), exitCode);
        QCOMPARE(QFile::exists(output), exitCode == 0);
        // A PDF not written is named, with the system's reason.
        if (exitCode == 4)
            QVERIFY2(errors.str().starts_with("Nie można zapisać pliku " + output.toStdString() + ": "), errors.str().c_str());
        if (exitCode != 0) return;
        const QList<PrintedPage> printed = ReadPrintout(output);
        QCOMPARE(CheckPrintout(printed), QString());
        QVERIFY(printed.first().Text().simplified().contains(title));
        // It says what it is and who made it; the author is nobody's guess.
        const auto info = DocumentInfo(output.toStdString());
        // Titled by the page's heading, not by the "Podgląd zawartości" every page has.
        const QString pdfTitle = QString::fromStdString(info.at("/Title"));
        QVERIFY2(pdfTitle != QString::fromUtf8("Podgląd zawartości"), qPrintable(pdfTitle));
        QVERIFY2(printed.first().Text().simplified().contains(pdfTitle, Qt::CaseInsensitive), qPrintable(pdfTitle));
        QCOMPARE(info.count("/Author"), std::size_t(0));
        QCOMPARE(info.at("/Producer"), std::string("Ulnik " ULNIK_VERSION));
        // Each of the nine types from a page of its own; the summary's charts drawn as vectors.
        if (Exported(what) == Exported::Combined) QVERIFY(printed.size() >= 9);
        if (Exported(what) == Exported::Summary) {
            QProcess images;
            images.start(QStringLiteral("pdfimages"), {QStringLiteral("-list"), output});
            QVERIFY(images.waitForFinished(30000));
            const QStringList lines = QString::fromUtf8(images.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
            QCOMPARE(lines.size(), 2);  // the header of an empty list
        }
    }

    // Every report of the list from a page of its own, numbered from 1, named by a bookmark;
    // what cannot be printed is named and left out, and the exit code says so.
    // The one left out is named, alone; a report that crashes its page costs nothing else.
    void exportsEveryReportOfAFolder_data() {
        QTest::addColumn<QString>("extra");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("sound folder") << QString() << QByteArray();
        QTest::newRow("with a foreign report")
            << "obcy.xml" << QByteArray("<Szkola><Belfer>Obcy Jan</Belfer><Doc>List</Doc></Szkola>");
        QTest::newRow("with a report that crashes its page")
            << "crash.xml"
            << QByteArray("<Szkola><Doc>Inne informacje</Doc><Date>2026-12-01</Date><Belfer>Crash Jan</Belfer>"
                          "<Dotyczy>T</Dotyczy><Info><IloscWierszy>1</IloscWierszy><w0>") +
                   QByteArray("&lt;table&gt;&lt;tr&gt;&lt;td&gt;").repeated(2000) + "</w0></Info></Szkola>";
        // Its page would show its beginning and pass for the whole report: it is judged first.
        QTest::newRow("with a report that breaks off") << "urwany.xml" << CutOffReport();
    }
    void exportsEveryReportOfAFolder() {
        QFETCH(QString, extra);
        QFETCH(QByteArray, bytes);
        const bool withForeign = !extra.isEmpty();
        TempDir folder;
        const QString samples = ULNIK_SOURCE_DIR "/samples/";
        folder.Write("long.xml", LongReport(kLongReportLines));
        for (const char* name : {"zachowanie_3a.xml", "z_karty.xml"}) {
            QFile sample(samples + name);
            QVERIFY(sample.open(QIODevice::ReadOnly));
            folder.Write(name, sample.readAll().toStdString());
        }
        if (withForeign) folder.Write(extra.toStdString(), bytes.toStdString());
        const std::string out = scratch_.PathOf("all.pdf");
        QFile::remove(QString::fromStdString(out));
        std::ostringstream errors;
        const int exitCode = Export(out, folder.path().string(), Exported::AllReports, errors);
        QCOMPARE(exitCode, withForeign ? 6 : 0);
        QCOMPARE(QString::fromStdString(errors.str()).count("Pomini"), withForeign ? 1 : 0);
        if (withForeign) {
            // Named on a line of its own, with why.
            const FileVerdict verdict = JudgeReportFile(folder.PathOf(extra.toStdString())).verdict;
            const std::string why = verdict.Sound() ? std::string(print_messages::kPageNotPrinted) : verdict.Said().Bytes();
            const QString line = extra + ": " + QString::fromStdString(AnsiToUtf8(why));
            QVERIFY2(QString::fromStdString(errors.str()).split('\n').contains(line), errors.str().c_str());
        }

        const auto info = DocumentInfo(out);
        QCOMPARE(info.at("/Title"), std::string(kAllReportsTitle));
        QCOMPARE(info.at("/Producer"), std::string("Ulnik " ULNIK_VERSION));
        QVERIFY2(info.at("version") >= "1.4", info.at("version").c_str());
        QPDF pdf;
        pdf.processFile(out.c_str());
        std::vector<QPDFOutlineObjectHelper> marks = QPDFOutlineDocumentHelper(pdf).getTopLevelOutlines();
        const std::vector<QPDFPageObjectHelper> pages = QPDFPageDocumentHelper(pdf).getAllPages();
        QCOMPARE(marks.size(), std::size_t(3));
        const QList<PrintedPage> printed = ReadPrintout(QString::fromStdString(out));
        QCOMPARE(printed.size(), int(pages.size()));
        QStringList titles;
        QList<int> firstPages;
        for (QPDFOutlineObjectHelper& mark : marks) {
            titles << QString::fromStdString(mark.getTitle());
            QPDFObjectHandle target = mark.getDestPage();
            const auto at = std::find_if(pages.begin(), pages.end(), [&](const QPDFPageObjectHelper& p) {
                return p.getObjectHandle().getObjGen() == target.getObjGen();
            });
            QVERIFY(at != pages.end());
            firstPages << int(at - pages.begin());
        }
        QCOMPARE(titles.size(), 3);
        const int longOne = titles.indexOf(QStringLiteral("Sikora Pawel - Inne - Dlugie sprawozdanie"));
        QVERIFY(longOne >= 0);
        // Each report counts its own pages: the footers run 1..n from every bookmark on.
        firstPages << printed.size();
        QVERIFY(firstPages[longOne + 1] - firstPages[longOne] > 1);
        for (int i = 0; i + 1 < firstPages.size(); ++i) {
            QCOMPARE(CheckPrintout(printed.mid(firstPages[i], firstPages[i + 1] - firstPages[i])), QString());
        }
    }

    // A report whose file breaks off is written as far as it goes, says so on standard error,
    // and carries the note beside the number of every page, clear of it; the window's printer
    // marks the pages of such a page it is told of, in every route (they share the printout).
    void cutOffReportIsMarkedOnEveryPage() {
        const std::string out = scratch_.PathOf("cut.pdf");
        std::ostringstream errors;
        QCOMPARE(Export(out, scratch_.Write("urwany.xml", CutOffReport().toStdString()), Exported::Page, errors), 0);
        QVERIFY2(QString::fromStdString(errors.str()).startsWith(QString::fromUtf8("uwaga: plik jest niekompletny")),
                 errors.str().c_str());
        CheckCutOffNote(ReadPrintout(QString::fromStdString(out)));

        const QString printed = QString::fromStdString(scratch_.PathOf("cut-printer.pdf"));
        QSignalSpy done(this, &PrintRoutesTest::written);
        printer_.SetCutOff(true);
        printer_.WritePdf(printed, [this](bool ok) { emit written(ok); });
        printer_.SetCutOff(false);
        QVERIFY(done.wait(kWaitMs));
        QVERIFY(done.first().first().toBool());
        CheckCutOffNote(ReadPrintout(printed));
    }

signals:
    void written(bool ok);

private:
    static void CheckCutOffNote(const QList<PrintedPage>& pages) {
        QVERIFY(pages.size() > 1);
        const QString note = QString::fromStdString(AnsiToUtf8(kCutOffNote));
        const double margin = PrintOptions{}.margins.bottom * kPointsPerMm;
        for (int i = 0; i < pages.size(); ++i) {
            QString foot;
            double noteEnd = 0, numberStart = pages[i].width;
            for (const PrintedWord& word : pages[i].words) {
                if (word.yMin < pages[i].height - margin) continue;
                foot += word.text + ' ';
                if (word.text == "-") numberStart = std::min(numberStart, word.xMin);
                else if (word.text != "Str." && !word.text.at(0).isDigit()) noteEnd = std::max(noteEnd, word.xMax);
            }
            QCOMPARE(foot, note + QString(" - Str. %1 - ").arg(i + 1));
            QVERIFY2(noteEnd < numberStart, qPrintable(QString("page %1").arg(i + 1)));
        }
    }

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

    // What the test queue noted beside a job: its "copies" or its "title".
    static QString JobFile(const QString& job, const QString& what) {
        QFile file(QString(job).replace(".pdf", "." + what));
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll().trimmed()) : QString();
    }

    static PrintOutcome Outcome(QSignalSpy& finished) {
        if (finished.isEmpty() && !finished.wait(kWaitMs)) return PrintOutcome::Failed;
        return finished.first().first().value<PrintOutcome>();
    }

    TempDir scratch_;
    QWebEngineView view_;
    RecordingShell shell_;
    PagePrinter printer_{view_.page(), &view_, shell_};
    QString jobs_;
    int jobsSeen_ = 0;
    int printoutPages_ = 0;
};

int RunPrintRoutesTests(int argc, char* argv[]) {
    PrintRoutesTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "print_routes_test.moc"
