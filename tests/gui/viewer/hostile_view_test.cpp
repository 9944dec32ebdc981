// The viewer against reports built to hang or crash its web view, and against outputs that
// must not be written over: each ends within its deadline, with a message or an exit code,
// and nothing lost. Also the page file, which goes however the program ends.
#include "html_view.h"
#include "message_box.h"
#include "message_recorder.h"
#include "quit_on_signals.h"
#include "report_page.h"
#include "tfbrowser.h"
#include "utf8.h"
#include "viewer_messages.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <csignal>
#include <sys/stat.h>

namespace {

constexpr int kRunMs = 60000;

// An "Inne informacje" report whose one line holds `markup`, escaped as XML needs it, so that
// the markup itself reaches the page.
QByteArray ReportHolding(const QByteArray& markup)
{
    QByteArray escaped = markup;
    escaped.replace('&', "&amp;").replace('<', "&lt;").replace('>', "&gt;");
    return "<?xml version=\"1.0\" encoding=\"windows-1250\"?>\r\n<Szkola><Doc>Inne informacje</Doc>"
           "<Date>2026-12-01</Date><Belfer>Nowak Anna</Belfer><Dotyczy>Test</Dotyczy><Info>"
           "<IloscWierszy>1</IloscWierszy><w0>" + escaped + "</w0></Info></Szkola>";
}

struct Run {
    int exitCode = -1;
    QString errors;
};

}  // namespace

class HostileViewTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        window = std::make_unique<TFBrowser>(&recorder);
        CreateWarningDialog(window.get());
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        QVERIFY(QDir(scratch.path()).mkpath(QStringLiteral("bin")));
        viewer = scratch.filePath(QStringLiteral("bin/ulnik"));
        QVERIFY(QFile::copy(QStringLiteral(ULNIK_VIEWER), viewer));
        crashing = Write("crash.xml", ReportHolding(QByteArray("<table><tr><td>").repeated(2000)));
    }

    // The render process dies on this page every time: one reload, then a message and a blank
    // view, and the programs that wait for the page give up.
    void crashingReportEndsWithAnExitCode_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<int>("exitCode");
        QTest::newRow("--screenshot") << "--screenshot" << 4;
        QTest::newRow("--pdf") << "--pdf" << 4;
    }
    void crashingReportEndsWithAnExitCode()
    {
        QFETCH(QString, mode);
        QFETCH(int, exitCode);
        const QString output = scratch.filePath(QStringLiteral("out"));
        const Run run = Viewer({mode, output, crashing});
        QCOMPARE(run.exitCode, exitCode);
        QVERIFY2(run.errors.contains(QString::fromUtf8(
                     AnsiToUtf8(std::string(viewer_messages::kPageCrashed)).substr(0, 40).c_str())),
                 qPrintable(run.errors));
        QVERIFY(!QFile::exists(output));
    }

    void slowReportIsGivenUpAtTheDeadline()
    {
        ReportPage* page = window->View()->Page();
        page->SetLoadDeadline(300);
        messages.clear();
        QSignalSpy failed(window.get(), &TFBrowser::PageFailed);
        window->OpenPath(Write("slow.xml", ReportHolding(QByteArray("<b><i><u><s><em><strong><font><a>x").repeated(3000))));
        QVERIFY(failed.wait(kRunMs));
        page->SetLoadDeadline(ReportPage::kLoadDeadlineMs);
        QCOMPARE(messages, std::vector<std::string>{std::string(viewer_messages::kPageTimedOut)});
        QTRY_COMPARE_WITH_TIMEOUT(page->url(), QUrl(QStringLiteral("about:blank")), kRunMs);
        QSignalSpy loaded(window.get(), &TFBrowser::DocumentComplete);
        QVERIFY(window->OpenPath(QStringLiteral(ULNIK_SOURCE_DIR "/samples/z_karty.xml")));
        QVERIFY(loaded.wait(kRunMs));  // the view recovers for the next report
    }

    void reportThatBreaksOffSaysSo()
    {
        QByteArray cut = ReportHolding("Wiersz pierwszy");
        cut.chop(20);
        messages.clear();
        QSignalSpy loaded(window.get(), &TFBrowser::DocumentComplete);
        QVERIFY(window->OpenPath(Write("cut.xml", cut)));
        QVERIFY(loaded.wait(kRunMs));
        QTRY_COMPARE(messages.size(), std::size_t(1));
        QVERIFY2(messages.front().starts_with("Plik jest niekompletny: wiersz 2, kolumna "), messages.front().c_str());
        QVERIFY(messages.front().ends_with("Pokazano tylko jego pocz\xB9tek."));
    }

    // The report itself, a report of the folder whose page is written, or a file behind a
    // link, is never written over.
    void outputsLeaveReportsAlone_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QString>("folderPage");  // the option naming a page of the folder
        QTest::newRow("--screenshot") << "--screenshot" << "";
        QTest::newRow("--pdf") << "--pdf" << "";
        QTest::newRow("--pdf --all") << "--pdf" << "--all";
        QTest::newRow("--pdf --summary") << "--pdf" << "--summary";
    }
    void outputsLeaveReportsAlone()
    {
        QFETCH(QString, mode);
        QFETCH(QString, folderPage);
        const QString report = Write("r.xml", ReportHolding("tekst"));
        const QStringList options = folderPage.isEmpty() ? QStringList{} : QStringList{folderPage};
        if (folderPage.isEmpty())
            QCOMPARE(Viewer({mode, report, report}).exitCode, 1);
        QCOMPARE(Viewer(QStringList{mode, report} + options + QStringList{scratch.path()}).exitCode, 1);
        QCOMPARE(Read(report), ReportHolding("tekst"));
        if (!folderPage.isEmpty())
            return;

        const QString victim = Write("victim.txt", "keep");
        const QString link = scratch.filePath(QStringLiteral("link.out"));
        QFile::remove(link);
        QVERIFY(QFile::link(victim, link));
        QCOMPARE(Viewer({mode, link, report}).exitCode, 0);
        QCOMPARE(Read(victim), QByteArray("keep"));
        QVERIFY(!QFileInfo(link).isSymLink());
    }

    // The page file holds pupils' names: readable by its owner alone, and gone however the
    // program ends.
    void pageFileGoesOnEveryEnd_data()
    {
        QTest::addColumn<int>("signal");
        QTest::newRow("SIGTERM") << SIGTERM;
        QTest::newRow("SIGINT") << SIGINT;
        QTest::newRow("SIGHUP") << SIGHUP;
    }
    void pageFileGoesOnEveryEnd()
    {
        QFETCH(int, signal);
        const QDir bin(scratch.filePath(QStringLiteral("bin")));
        QProcess running;
        running.setProcessEnvironment(Environment());
        running.start(viewer, {QStringLiteral(ULNIK_SOURCE_DIR "/samples/z_karty.xml")});
        QString pageFile;
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(pageFile = PageFileIn(bin)), kRunMs);
        struct stat info {};
        QCOMPARE(::stat(QFile::encodeName(pageFile).constData(), &info), 0);
        QCOMPARE(info.st_mode & 0777, mode_t(0600));
        ::kill(static_cast<pid_t>(running.processId()), signal);
        QVERIFY(running.waitForFinished(kRunMs));
        QCOMPARE(running.exitStatus(), QProcess::NormalExit);
        QVERIFY(!QFile::exists(pageFile));
        QVERIFY(!QFileInfo::exists(QFileInfo(pageFile).path()));
    }

    // `--pdf` ended by a signal while its page loads writes nothing and leaves nothing behind.
    void pdfEndedBySignalLeavesNothing()
    {
        const QDir temporary(scratch.filePath(QStringLiteral("tmp")));
        QVERIFY(temporary.mkpath(QStringLiteral(".")));
        QProcessEnvironment env = Environment();
        env.insert(QStringLiteral("TMPDIR"), temporary.path());
        QProcess running;
        running.setProcessEnvironment(env);
        const QString output = scratch.filePath(QStringLiteral("signalled.pdf"));
        running.start(viewer, {QStringLiteral("--pdf"), output,
                               Write("slow.xml", ReportHolding(QByteArray("<b><i><u><s><em><strong><font><a>x").repeated(3000)))});
        QTRY_VERIFY_WITH_TIMEOUT(!PageFileIn(temporary).isEmpty(), kRunMs);
        QTest::qWait(QuitOnSignals::kCheckMs * 2);
        ::kill(static_cast<pid_t>(running.processId()), SIGTERM);
        QVERIFY(running.waitForFinished(kRunMs));
        QCOMPARE(running.exitStatus(), QProcess::NormalExit);
        QVERIFY(running.exitCode() != 0);
        QVERIFY(!QFile::exists(output));
        // Qt's own stand-in for a missing runtime folder may stay; nothing of the report does.
        QCOMPARE(temporary.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden).filter(QStringLiteral("Ulnik")),
                 QStringList());
        QVERIFY(PageFileIn(temporary).isEmpty());
    }

    // Started where there is no screen (over SSH), the viewer says so in a sentence and ends.
    void withoutADisplayItSaysSo()
    {
        QProcessEnvironment env = Environment();
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            env.remove(QString::fromLatin1(name));
        QProcess process;
        process.setProcessEnvironment(env);
        process.start(viewer, {QStringLiteral(ULNIK_SOURCE_DIR "/samples/z_karty.xml")});
        QVERIFY(process.waitForFinished(kRunMs));
        QCOMPARE(process.exitStatus(), QProcess::NormalExit);
        QCOMPARE(process.exitCode(), 1);
        const QString said = QString::fromUtf8(process.readAllStandardError());
        QVERIFY2(said.contains(QString::fromUtf8("potrzebuje sesji graficznej")) && said.count(QLatin1Char('\n')) == 1,
                 qPrintable(said));
    }

    // A report that asks to be taken elsewhere is refused, and stays shown: every time.
    void metaRefreshLeavesThePageShown()
    {
        const QString report = Write("refresh.xml", ReportHolding("<meta http-equiv=refresh content=\"0;url=http://127.0.0.1:9/\">Zostaje"));
        messages.clear();
        QSignalSpy loaded(window.get(), &TFBrowser::DocumentComplete);
        for (int i = 0; i < 5; ++i) {
            QVERIFY(window->OpenPath(report));
            QVERIFY(loaded.wait(kRunMs));
        }
        QTest::qWait(500);
        // Every load ended shown, none as a failed load (a render process lost to the machine's
        // own troubles may add a reload, which ends shown too).
        for (const QList<QVariant>& ended : loaded)
            QCOMPARE(ended.constFirst().toBool(), true);
        QCOMPARE(window->View()->page()->url().fileName(), QStringLiteral("Temp.htm"));
        QVERIFY(messages.empty());
    }

    // A folder slow to list shows its progress; a damaged file in it ends in a message, which
    // must be the window on top, answering the mouse.
    void messageAfterProgressTakesTheClick()
    {
        const QString folder = scratch.filePath(QStringLiteral("slow"));
        QVERIFY(QDir().mkpath(folder));
        const QByteArray report = ReportHolding("tekst") + "<!--";
        for (int i = 0; i < 100; ++i) {
            // Sparse: each is read and parsed whole, but takes no room on the disk.
            QFile file(folder + QStringLiteral("/r%1.xml").arg(i));
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(report) == report.size());
            QVERIFY(file.resize(15 * 1024 * 1024 - 3) && file.seek(file.size()) && file.write("-->") == 3);
        }
        QFile damaged(folder + QStringLiteral("/zepsuty.xml"));
        QVERIFY(damaged.open(QIODevice::WriteOnly) && damaged.write("<Szkola><Doc>Nieznany</Doc></Szkola>") > 0);
        damaged.close();

        recorder.showDialog = true;
        bool sawProgress = false, progressGone = false, clicked = false;
        QTimer watch;
        connect(&watch, &QTimer::timeout, this, [&] {
            for (QWidget* widget : QApplication::topLevelWidgets())
                if (widget->inherits("QProgressDialog") && widget->isVisible()) sawProgress = true;
            QWidget* modal = QApplication::activeModalWidget();
            if (clicked || !modal || modal->objectName() != QStringLiteral("FWarning") || !modal->isVisible())
                return;
            progressGone = true;
            for (QWidget* widget : QApplication::topLevelWidgets())
                if (widget->inherits("QProgressDialog") && widget->isVisible()) progressGone = false;
            auto* button = modal->findChild<QWidget*>(QStringLiteral("ImButZamknij"));
            if (!button || !QTest::qWaitForWindowExposed(modal))
                return;
            clicked = true;
            QTest::mouseClick(button, Qt::LeftButton);
        });
        watch.start(20);
        const bool listed = window->OpenPath(folder);
        watch.stop();
        recorder.showDialog = false;
        QVERIFY(!listed);
        QVERIFY(sawProgress);
        QVERIFY(progressGone);
        QVERIFY(clicked);  // and the box closed on it: OpenPath came back
    }

    void cleanupTestCase() { window.reset(); }

private:
    QString Write(const char* name, const QByteArray& bytes)
    {
        QFile file(scratch.filePath(QString::fromLatin1(name)));
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            return {};
        return file.fileName();
    }

    static QByteArray Read(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    // The page file a viewer run has made in its own folder under `parent`; empty if none yet.
    static QString PageFileIn(const QDir& parent)
    {
        for (const QString& folder : parent.entryList(QDir::Dirs | QDir::NoDotAndDotDot))
            if (QFile::exists(parent.filePath(folder + QStringLiteral("/Temp.htm"))))
                return parent.filePath(folder + QStringLiteral("/Temp.htm"));
        return {};
    }

    static QProcessEnvironment Environment()
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        // The page file then lies beside the program.
        env.remove(QStringLiteral("XDG_RUNTIME_DIR"));
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        return env;
    }

    Run Viewer(const QStringList& args) const
    {
        QProcess process;
        process.setProcessEnvironment(Environment());
        process.start(viewer, args);
        if (!process.waitForFinished(kRunMs))
            return {};
        return {process.exitCode(), QString::fromUtf8(process.readAllStandardError())};
    }

    std::unique_ptr<TFBrowser> window;
    QTemporaryDir scratch;
    QString viewer;
    QString crashing;
    std::vector<std::string> messages;
    MessageRecorder recorder{messages};
};

QTEST_MAIN(HostileViewTest)
#include "hostile_view_test.moc"
