// The viewer through its real window: drops, commands, keys, the shape and the dragging, what
// screen readers see, the help window, and the web view's refusal to do anything a report
// asks of it.
#include "accessible_frames.h"
#include "browser_layout.h"
#include "command_guard.h"
#include "command_line.h"
#include "help_window.h"
#include "html_view.h"
#include "hot_label.h"
#include "local_file_interceptor.h"
#include "message_box.h"
#include "page_file_location.h"
#include "messages.h"
#include "qt_translations.h"
#include "print_messages.h"
#include "report_page.h"
#include "resource_image.h"
#include "tfbrowser.h"
#include "code_page.h"
#include "utf8.h"
#include "command_table.h"
#include "start_hint.h"
#include "message_recorder.h"
#include "viewer_settings.h"
#include "viewer_messages.h"
#include "long_report.h"
#include "folder_watch.h"
#include "safe_page.h"

#include <QAccessible>
#include <QClipboard>
#include <QDir>
#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QDropEvent>
#include <QEventLoop>
#include <QFile>
#include <QFileDialog>
#include <QDialog>
#include <QLabel>
#include <QPointer>
#include <QLineEdit>
#include <QMessageBox>
#include <QMenu>
#include <QMimeData>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinterInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <QPushButton>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWebEngineScript>
#include <QWheelEvent>

#include <algorithm>
#include <csignal>
#include <fcntl.h>
#include <map>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr int kLoadTimeoutMs = 15000;

QString Sample(const char* name)
{
    return QStringLiteral(ULNIK_SOURCE_DIR "/samples/") + QString::fromLatin1(name);
}

// A Windows-1250 "Inne informacje" report whose one line is `line`, given as UTF-8.
QByteArray OtherInformationReport(const QByteArray& count, const QByteArray& line)
{
    return "<?xml version=\"1.0\" encoding=\"windows-1250\"?>\r\n<Szkola><Doc>Inne informacje</Doc>"
           "<Date>2026-12-01</Date><Belfer>Nowak Anna</Belfer><Dotyczy>Test</Dotyczy><Info>"
           "<IloscWierszy>" + count + "</IloscWierszy><w0>" + line + "</w0></Info></Szkola>";
}

// Waits in a real event loop for what `ask` hands its callback: Chromium's replies come as
// many small tasks, which a polling wait would slow to a crawl.
template <typename Result, typename Ask>
Result Await(Ask ask)
{
    Result result{};
    QEventLoop loop;
    QTimer::singleShot(kLoadTimeoutMs, &loop, &QEventLoop::quit);
    ask([&](const Result& value) {
        result = value;
        loop.quit();
    });
    loop.exec();
    return result;
}

QVariant RunScript(QWebEnginePage* page, const QString& script)
{
    return Await<QVariant>([&](auto done) { page->runJavaScript(script, QWebEngineScript::ApplicationWorld, done); });
}

// A Windows-1250 "Inne informacje" report by `teacher` about `subject`, both UTF-8.
QByteArray ListedReport(const QString& teacher, const QString& subject)
{
    const QByteArray encoded = "<?xml version=\"1.0\" encoding=\"windows-1250\"?><Szkola><Doc>Inne informacje</Doc>"
        "<Date>2026-06-20</Date><Belfer>" + teacher.toUtf8() + "</Belfer><Dotyczy>" + subject.toUtf8() +
        "</Dotyczy><Info><IloscWierszy>1</IloscWierszy><w0>x</w0></Info></Szkola>";
    return QByteArray::fromStdString(WideToAnsi(Utf8ToWide(encoded.toStdString())));
}

void WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QString PageText(QWebEnginePage* page)
{
    return Await<QString>([&](auto done) { page->toPlainText(done); });
}

// Stands in for the desktop's handler of links: records what it was asked to open.
class DesktopRecorder : public QObject {
    Q_OBJECT
public slots:
    void open(const QUrl& url) { opened << url; }

public:
    QList<QUrl> opened;
};

}  // namespace

class ViewerTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void qtDialogsSpeakTheUsersLanguage();
    void commandLine_data();
    void commandLine();
    void droppedReportIsShownWithoutBorder();
    void droppedTextFileIsRefused_data();
    void droppedTextFileIsRefused();
    void wrongTypeShowsThePageWrittenLast();
    void rendererErrorLeavesTheView();
    void droppedFolderIsListed();
    void hostileReportRunsAndFetchesNothing();
    void crashedRendererReloadsThePage();
    void tabMovesFocusNowhere();
    void tabMovesFocusInTheStandardDialogs();
    void keys_data();
    void keys();
    void zoomSizesThePageAndIsKept();
    void copyKeyTakesTheSelection();
    void copyKeyInAFieldOfThePage();
    void keysOpenTheirDialogs_data();
    void keysOpenTheirDialogs();
    void helpListsEveryKey();
    void browserEditionKeysAreTheTables();
    void helpShowsWithoutALauncher();
    void helpFollowsItsOwnLinksOnly();
    void shiftPressOnPrintAreaOpensMaximisedPreview();
    void dragMovesWindowByPointer();
    void outlineIsRoundedAndNarrower();
    void hotAreasAreButtonsForScreenReaders();
    void listEntriesByKeysAndScreenReaders();
    void theWholeWayByKeysAlone();
    void pageTextReachesScreenReaders();
    void openDialogTakesATypedMissingName();
    void folderDialogListsTheChosenFolder();
    void dialogsStartWhereTheCommandLinePathLies();
    void dialogsStartInTheFolderUsedLast();
    void escapingErrorIsShownAndProgramGoesOn();
    void unwritableProgramFolderStillShowsReport();
    void installedProgramKeepsItsPageWithTheUser();
    void screenshotOfWhatWasAsked_data();
    void screenshotOfWhatWasAsked();
    void screenshotOnATwiceDenseScreenIsDrawnForIt();
    void retryBeforeAnyFileIsWrongType();
    void closeDeletesPageFile_data();
    void closeDeletesPageFile();
    void listEntriesOpenTheirReportsAndBackKeepsTheScroll_data();
    void listEntriesOpenTheirReportsAndBackKeepsTheScroll();
    void listFollowsItsFolder();
    void schoolPagesOfTheListOrOfAFolderAskedFor_data();
    void schoolPagesOfTheListOrOfAFolderAskedFor();
    void failedListOffersTheCheckAndLeadsNowhere();
    void copiedSummaryKeepsRowsAndChartFigures();
    void schoolPageOfAFolderGoneNamesIt();
    void oneCommandAtATime();
    void oneCommandWhileTheProgressWindowRuns();
    void twoWindowsKeepTheirOwnPages();
    void pageFileIsNeverFedToAPipeOrALink_data();
    void pageFileIsNeverFedToAPipeOrALink();
    void newReportOpensAtItsTop();

private:
    // Opens a folder's list and waits for it.
    void ShowList(const QString& folder);
    // A click on the list's entry `index` (its line's middle, in view coordinates).
    void ClickEntry(int index);
    // Right-clicks the page: the menu that opens, if any, and its entries' texts.
    QMenu* PageMenu(QStringList& entries);

    // Drops `paths` on the window, as a file manager would, and waits for the page when one
    // is expected.
    void Drop(const QStringList& paths, bool expectPage);
    QString Shown() { return PageText(window->View()->page()); }
    QString PageFile() const { return QFile::decodeName(QByteArray::fromStdString(window->State().PageFilePath)); }
    // The widget with the focus once the page (true) or the window itself has it.
    QWidget* Focus(bool onPage);
    HelpWindow* Help() const { return window->findChild<HelpWindow*>(); }

    std::unique_ptr<TFBrowser> window;
    QTemporaryDir scratch;
    std::vector<std::string> messages;
    MessageRecorder recorder{messages};
};

void ViewerTest::initTestCase()
{
    // The settings of the user running the tests are neither read nor changed.
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, scratch.path());
    EnableScreenReaders();
    DrawPagesInSoftware();
    LoadQtTranslations(*QCoreApplication::instance());
    InstallAccessibleFrames();
    window = std::make_unique<TFBrowser>(&recorder);
    CreateWarningDialog(window.get());
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
}

// The tests run under pl_PL.UTF-8, as the program's users do.
void ViewerTest::qtDialogsSpeakTheUsersLanguage()
{
    QCOMPARE(QCoreApplication::translate("QFileDialog", "Look in:"), QStringLiteral("Szukaj w:"));
    QDialogButtonBox buttons(QDialogButtonBox::Cancel);
    QCOMPARE(buttons.button(QDialogButtonBox::Cancel)->text(), QStringLiteral("Anuluj"));
}

void ViewerTest::commandLine_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("output");
    QTest::addColumn<QString>("input");
    using M = CommandLine::Mode;
    QTest::newRow("nothing") << QStringList{} << int(M::View) << "" << "";
    QTest::newRow("report") << QStringList{"a.xml"} << int(M::View) << "" << "a.xml";
    QTest::newRow("dashed name") << QStringList{"--", "-a.xml"} << int(M::View) << "" << "-a.xml";
    QTest::newRow("screenshot") << QStringList{"--screenshot", "o.png"} << int(M::Screenshot) << "o.png" << "";
    QTest::newRow("screenshot of") << QStringList{"--screenshot", "o.png", "d"} << int(M::Screenshot) << "o.png" << "d";
    QTest::newRow("pdf") << QStringList{"--pdf", "o.pdf", "a.xml"} << int(M::Pdf) << "o.pdf" << "a.xml";
    QTest::newRow("pdf of nothing") << QStringList{"--pdf", "o.pdf"} << int(M::Usage) << "" << "";
    QTest::newRow("two reports") << QStringList{"a.xml", "b.xml"} << int(M::Usage) << "" << "";
    QTest::newRow("unknown option") << QStringList{"-x"} << int(M::Usage) << "" << "";
    QTest::newRow("version") << QStringList{"--version"} << int(M::Version) << "" << "";
}

void ViewerTest::commandLine()
{
    QFETCH(QStringList, args);
    std::vector<std::string> words;
    for (const QString& arg : args)
        words.push_back(arg.toStdString());
    QFETCH(int, mode);
    QFETCH(QString, output);
    QFETCH(QString, input);
    const CommandLine parsed = ParseCommandLine(words);
    QCOMPARE(int(parsed.mode), mode);
    QCOMPARE(QString::fromStdString(parsed.output), output);
    QCOMPARE(QString::fromStdString(parsed.input), input);
}

void ViewerTest::Drop(const QStringList& paths, bool expectPage)
{
    messages.clear();
    QSignalSpy loaded(window.get(), &TFBrowser::DocumentComplete);
    QMimeData data;
    QList<QUrl> urls;
    for (const QString& path : paths)
        urls << QUrl::fromLocalFile(path);
    data.setUrls(urls);
    const QPoint centre = window->rect().center();
    QDragEnterEvent enter(centre, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window.get(), &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(centre, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window.get(), &drop);
    if (expectPage)
        QVERIFY(loaded.wait(kLoadTimeoutMs));
}

void ViewerTest::droppedReportIsShownWithoutBorder()
{
    // Until then the empty view says what to do, in the browser edition's words too, and lets a
    // drop through to the window.
    const QPointer<QLabel> hint = window->findChild<QLabel*>(QStringLiteral("StartHint"));
    QVERIFY(hint && hint->isVisible());
    QCOMPARE(hint->text(), QString::fromUtf8(StartHint::kText));
    QFile webPage(QStringLiteral(ULNIK_SOURCE_DIR "/web/page/ulnik.html"));
    QVERIFY(webPage.open(QIODevice::ReadOnly));
    QVERIFY(webPage.readAll().contains(StartHint::kText));
    QVERIFY(window->childAt(hint->mapTo(window.get(), hint->rect().center())) != hint);
    Drop({Sample("z_karty.xml")}, true);
    QTRY_VERIFY(!hint);
    QVERIFY(messages.empty());
    QVERIFY(QFile::exists(PageFile()));
    // Named by its heading, not by the "Podgląd zawartości" every page has for its own title.
    QCOMPARE(window->View()->page()->title(), QString::fromUtf8("Realizacja zajęć wynikających z karty"));
    QVERIFY(Shown().contains(QStringLiteral("REALIZACJA ZAJ\u0118\u0106 WYNIKAJ\u0104CYCH Z KARTY")));
    QCOMPARE(RunScript(window->View()->page(), QStringLiteral("document.body.style.borderStyle")).toString(),
             QStringLiteral("none"));
}

void ViewerTest::droppedTextFileIsRefused_data()
{
    QTest::addColumn<QStringList>("names");
    QTest::newRow("text file") << QStringList{QStringLiteral("notatka.txt")};
    QTest::newRow("text file first") << QStringList{QStringLiteral("notatka.txt"), QStringLiteral("raport.xml")};
    QTest::newRow("no extension") << QStringList{QStringLiteral("xml")};
}

void ViewerTest::droppedTextFileIsRefused()
{
    QFETCH(QStringList, names);
    QStringList paths;
    for (const QString& name : names)
        paths << scratch.filePath(name);
    const std::string before = window->State().CurrentReportPath;
    Drop(paths, false);
    QCOMPARE(messages, std::vector<std::string>{std::string(messages::kWrongDrop)});
    QCOMPARE(window->State().CurrentReportPath, before);
}

void ViewerTest::wrongTypeShowsThePageWrittenLast()
{
    Drop({Sample("z_karty.xml")}, true);
    const QString shownBefore = Shown();
    const QString foreign = scratch.filePath(QStringLiteral("obce.xml"));
    QFile file(foreign);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("<Szkola><Doc>klasyfikacja klasy</Doc></Szkola>");
    file.close();
    Drop({foreign}, true);
    QCOMPARE(messages, std::vector<std::string>{std::string(messages::kWrongType)});
    QCOMPARE(Shown(), shownBefore);
}

void ViewerTest::rendererErrorLeavesTheView()
{
    Drop({Sample("z_karty.xml")}, true);
    const QString shownBefore = Shown();
    const QString damaged = scratch.filePath(QStringLiteral("uszkodzony.xml"));
    QFile file(damaged);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(OtherInformationReport("dwa", "Linia"));
    file.close();
    QSignalSpy loaded(window.get(), &TFBrowser::DocumentComplete);
    Drop({damaged}, false);
    QCOMPARE(messages, std::vector<std::string>{std::string(messages::kDamagedReport)});
    QVERIFY(!loaded.wait(500));
    QCOMPARE(Shown(), shownBefore);
}

void ViewerTest::droppedFolderIsListed()
{
    Drop({QStringLiteral(ULNIK_SOURCE_DIR "/samples/odebrane")}, true);
    QVERIFY(messages.empty());
    QVERIFY(Shown().contains(QStringLiteral("LISTA OTRZYMANYCH SPRAWOZDA\u0143")));
}

void ViewerTest::hostileReportRunsAndFetchesNothing()
{
    // Anything the page asked of the network would reach this server.
    QTcpServer server;
    QVERIFY(server.listen(QHostAddress::LocalHost));
    const QByteArray remote = "http://127.0.0.1:" + QByteArray::number(server.serverPort()) + "/";
    const QString hostile = scratch.filePath(QStringLiteral("wrogi.xml"));
    QFile file(hostile);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(OtherInformationReport(
        "1",
        "&lt;script&gt;document.title='skrypt'&lt;/script&gt;"
        "&lt;img src=\"brak.png\" onerror=\"document.title='onerror'\"&gt;"
        "&lt;img src=\"file:///etc/hostname\"&gt;"
        "&lt;img src=\"" + remote + "zdalny.png\"&gt;"
        "&lt;a id=\"link\" href=\"" + remote + "\"&gt;link&lt;/a&gt;"
        "&lt;meta http-equiv=\"refresh\" content=\"0;url=" + remote + "\"&gt;"));
    file.close();
    LocalFileInterceptor* interceptor = window->View()->Interceptor();
    const int blockedBefore = interceptor->BlockedCount();
    Drop({hostile}, true);
    QWebEnginePage* page = window->View()->page();
    const QUrl url = page->url();
    RunScript(page, QStringLiteral("document.getElementById('link').click()"));
    QTest::qWait(700);  // the refresh and the click would have navigated by now
    QCOMPARE(page->url(), url);
    QVERIFY(page->title() != QStringLiteral("skrypt") && page->title() != QStringLiteral("onerror"));
    QVERIFY(interceptor->BlockedCount() > blockedBefore);  // the file outside the page's folder
    QVERIFY(!server.hasPendingConnections());
}

void ViewerTest::crashedRendererReloadsThePage()
{
    Drop({Sample("z_karty.xml")}, true);
    const QString shownBefore = Shown();
    QSignalSpy loaded(window.get(), &TFBrowser::DocumentComplete);
    ::kill(static_cast<pid_t>(window->View()->page()->renderProcessPid()), SIGKILL);
    QVERIFY(loaded.wait(kLoadTimeoutMs));
    QCOMPARE(Shown(), shownBefore);
}

void ViewerTest::tabMovesFocusNowhere()
{
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    window->View()->setFocus();
    QWidget* inView = QApplication::focusWidget();
    QVERIFY(inView);
    QTest::keyClick(inView, Qt::Key_Tab);
    QTest::keyClick(window.get(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), inView);
}

// Answers the next modal dialog of type `Dialog` with `answer` once it is on the screen.
template <typename Dialog>
void AnswerNextDialog(std::function<void(Dialog&)> answer)
{
    auto* timer = new QTimer;
    QObject::connect(timer, &QTimer::timeout, [timer, answer] {
        auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible())
            return;
        timer->stop();
        timer->deleteLater();
        answer(*dialog);
    });
    timer->start(20);
}

void ViewerTest::tabMovesFocusInTheStandardDialogs()
{
    QWidget* before = nullptr;
    QWidget* after = nullptr;
    AnswerNextDialog<QFileDialog>([&](QFileDialog& dialog) {
        before = dialog.focusWidget();
        QTest::keyClick(before, Qt::Key_Tab);
        after = dialog.focusWidget();
        dialog.reject();
    });
    QTest::mouseClick(window->findChild<HotLabel*>(QStringLiteral("LOpen")), Qt::LeftButton);
    QVERIFY(before);
    QVERIFY(after != before);
}

QWidget* ViewerTest::Focus(bool onPage)
{
    window->activateWindow();
    if (!QTest::qWaitForWindowActive(window.get()))
        return nullptr;
    if (onPage)
        window->View()->setFocus();
    else
        window->setFocus();
    QWidget* focus = QApplication::focusWidget();
    return focus && (onPage ? window->View()->isAncestorOf(focus) : focus == window.get()) ? focus : nullptr;
}

enum class KeyEffect { Nothing, CopiesPage, OpensHelp, Reopens, Minimizes };

void ViewerTest::keys_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<bool>("onPage");
    QTest::addColumn<int>("effectNumber");
    const Qt::KeyboardModifiers none, ctrl(Qt::ControlModifier);
    QTest::newRow("Ctrl+C") << int(Qt::Key_C) << ctrl << false << int(KeyEffect::CopiesPage);
    QTest::newRow("Ctrl+C on the page") << int(Qt::Key_C) << ctrl << true << int(KeyEffect::CopiesPage);
    QTest::newRow("Ctrl+Shift+C") << int(Qt::Key_C) << (Qt::ControlModifier | Qt::ShiftModifier) << true << int(KeyEffect::Nothing);
    QTest::newRow("C") << int(Qt::Key_C) << none << true << int(KeyEffect::Nothing);
    QTest::newRow("F1 on the page") << int(Qt::Key_F1) << none << true << int(KeyEffect::OpensHelp);
    QTest::newRow("Shift+F1") << int(Qt::Key_F1) << Qt::KeyboardModifiers(Qt::ShiftModifier) << false << int(KeyEffect::OpensHelp);
    QTest::newRow("Ctrl+Alt+F1") << int(Qt::Key_F1) << (Qt::ControlModifier | Qt::AltModifier) << false << int(KeyEffect::OpensHelp);
    QTest::newRow("F5 on the page") << int(Qt::Key_F5) << none << true << int(KeyEffect::Reopens);
    QTest::newRow("Ctrl+F5") << int(Qt::Key_F5) << ctrl << false << int(KeyEffect::Nothing);
    QTest::newRow("Ctrl+M on the page") << int(Qt::Key_M) << ctrl << true << int(KeyEffect::Minimizes);
}

void ViewerTest::keys()
{
    QFETCH(int, key);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(bool, onPage);
    QFETCH(int, effectNumber);
    const auto effect = KeyEffect(effectNumber);
    Drop({Sample("z_karty.xml")}, true);
    QWidget* focus = Focus(onPage);
    QVERIFY(focus);
    QApplication::clipboard()->setText(QStringLiteral("przed"));
    QSignalSpy loaded(window.get(), &TFBrowser::DocumentComplete);
    QTest::keyClick(focus, Qt::Key(key), modifiers);
    QCOMPARE(loaded.wait(effect == KeyEffect::Reopens ? kLoadTimeoutMs : 300), effect == KeyEffect::Reopens);
    QTRY_COMPARE(QApplication::clipboard()->text().contains(QStringLiteral("REALIZACJA ZAJĘĆ")), effect == KeyEffect::CopiesPage);
    QCOMPARE(Help() && Help()->isVisible(), effect == KeyEffect::OpensHelp);
    QCOMPARE(window->isMinimized(), effect == KeyEffect::Minimizes);
    if (effect == KeyEffect::CopiesPage) {  // it says so in the window
        auto* notice = window->findChild<QLabel*>(QStringLiteral("Notice"));
        QTRY_VERIFY(notice && notice->isVisible());
        QCOMPARE(notice->text(), QStringLiteral("Skopiowano"));
    }
    if (effect == KeyEffect::CopiesPage)  // nothing is left selected
        QTRY_COMPARE(RunScript(window->View()->page(), QStringLiteral("String(window.getSelection())")).toString(), QString());
    if (Help())
        Help()->close();
    window->showNormal();
}

// Ctrl+C copies what the user selected, and leaves it selected.
void ViewerTest::copyKeyTakesTheSelection()
{
    Drop({Sample("z_karty.xml")}, true);
    QWebEnginePage* page = window->View()->page();
    const QString selected = RunScript(page, QStringLiteral(
        "const cell = document.evaluate(\"//*[contains(text(), 'REALIZACJA')]\", document, null, 9, null).singleNodeValue;"
        "getSelection().selectAllChildren(cell); String(getSelection())")).toString();
    QVERIFY(selected.contains(QStringLiteral("REALIZACJA")));
    QTRY_VERIFY(page->hasSelection());
    QWidget* focus = Focus(false);
    QVERIFY(focus);
    QApplication::clipboard()->setText(QStringLiteral("przed"));
    QTest::keyClick(focus, Qt::Key_C, Qt::ControlModifier);
    QTRY_COMPARE(QApplication::clipboard()->text().trimmed(), selected.trimmed());
    QCOMPARE(RunScript(page, QStringLiteral("String(getSelection())")).toString(), selected);
}

// In a text field the view claims Ctrl+C as its own edit command, which copies nothing when
// nothing is selected. A report's values reach its page verbatim, fields too.
void ViewerTest::copyKeyInAFieldOfThePage()
{
    Drop({Sample("z_karty.xml")}, true);
    QWidget* focus = Focus(true);
    QVERIFY(focus);
    RunScript(window->View()->page(), QStringLiteral(
        "const field = document.createElement('textarea'); document.body.prepend(field); field.focus()"));
    QTRY_VERIFY(focus->testAttribute(Qt::WA_InputMethodEnabled));
    QApplication::clipboard()->setText(QStringLiteral("przed"));
    QTest::keyClick(focus, Qt::Key_C, Qt::ControlModifier);
    QTRY_VERIFY(QApplication::clipboard()->text().contains(QStringLiteral("REALIZACJA ZAJĘĆ")));
}

void ViewerTest::keysOpenTheirDialogs_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<QString>("dialogClass");
    QTest::addColumn<QString>("title");  // empty: any
    const Qt::KeyboardModifiers ctrl(Qt::ControlModifier);
    QTest::newRow("Ctrl+O") << int(Qt::Key_O) << ctrl << "QFileDialog" << QStringLiteral("Wskaż plik");
    QTest::newRow("Ctrl+L") << int(Qt::Key_L) << ctrl << "QFileDialog" << QStringLiteral("Wskaż folder");
    QTest::newRow("Ctrl+P") << int(Qt::Key_P) << ctrl << "PageRangeDialog" << QString();
    QTest::newRow("Ctrl+Shift+P") << int(Qt::Key_P) << (Qt::ControlModifier | Qt::ShiftModifier) << "QPrintPreviewDialog" << QString();
}

// Sent while the page has the focus, where the web view would keep keys to itself.
void ViewerTest::keysOpenTheirDialogs()
{
    QFETCH(int, key);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(QString, dialogClass);
    QFETCH(QString, title);
    const bool noPrinter = dialogClass == QStringLiteral("PageRangeDialog") && QPrinterInfo::availablePrinters().isEmpty();
    Drop({Sample("z_karty.xml")}, true);
    QWidget* focus = Focus(true);
    QVERIFY(focus);
    if (noPrinter) {  // the printer dialog would have nothing to offer: the user is told so instead
        messages.clear();
        QTest::keyClick(focus, Qt::Key(key), modifiers);
        QTRY_COMPARE(messages, std::vector<std::string>{std::string(print_messages::kNoPrinter)});
        return;
    }
    QString shownClass, shownTitle;
    AnswerNextDialog<QDialog>([&](QDialog& dialog) {
        shownClass = QString::fromLatin1(dialog.metaObject()->className());
        shownTitle = dialog.windowTitle();
        dialog.reject();
    });
    QTest::keyClick(focus, Qt::Key(key), modifiers);
    QTRY_COMPARE_WITH_TIMEOUT(shownClass, dialogClass, kLoadTimeoutMs);
    if (!title.isEmpty())
        QCOMPARE(shownTitle, title);
    QTRY_VERIFY(!QApplication::activeModalWidget());
}

void ViewerTest::helpListsEveryKey()
{
    QFile help(QStringLiteral(ULNIK_SOURCE_DIR "/pomoc/polecenia.htm"));
    QVERIFY(help.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(help.readAll());
    // Keys are named as a Polish keyboard's user names them.
    const auto polish = [](QString named) { return named.replace(QStringLiteral("Left"), QString::fromUtf8("Strzałka w lewo")); };
    for (const QString& zoom : {QStringLiteral("Ctrl+plus"), QStringLiteral("Ctrl+minus"), QStringLiteral("Ctrl+0")})
        QVERIFY2(text.contains(QStringLiteral("<kbd>") + zoom + QStringLiteral("</kbd>")), qPrintable(zoom));
    for (const CommandRow& row : kCommands) {
        if (row.command == WindowCommand::ZoomIn || row.command == WindowCommand::ZoomOut ||
            row.command == WindowCommand::ZoomReset)
            continue;
        for (const QKeyCombination keys : row.keys) {
            if (keys.key() == Qt::Key_unknown)
                continue;
            const QString named = polish(QKeySequence(keys).toString(QKeySequence::PortableText));
            QVERIFY2(text.contains(QStringLiteral("<kbd>") + named + QStringLiteral("</kbd>")), qPrintable(named));
        }
    }
}

// The browser edition's keys are the window's: each key its page handles runs the command whose
// row holds that key.
void ViewerTest::browserEditionKeysAreTheTables()
{
    QFile script(QStringLiteral(ULNIK_SOURCE_DIR "/web/page/ulnik.js"));
    QVERIFY(script.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(script.readAll());
    const QRegularExpression ctrlMap(QStringLiteral(R"(if \(ctrl && !event.shiftKey\) run = \{([^}]*)\})"));
    const QRegularExpression shiftMap(QStringLiteral(R"(else if \(ctrl\) run = \{([^}]*)\})"));
    const std::map<QString, WindowCommand> commandOf = {
        {QStringLiteral("chooseFile"), WindowCommand::Open},
        {QStringLiteral("chooseFolder"), WindowCommand::List},
        {QStringLiteral("copyPage"), WindowCommand::Copy},
        {QStringLiteral("printPage"), WindowCommand::Print},
        {QStringLiteral("COMBINED"), WindowCommand::CombinedReport},
        {QStringLiteral("SUMMARY"), WindowCommand::ClassificationSummary},
        {QStringLiteral("CHECK"), WindowCommand::FileCheck},
    };
    const auto hasKey = [](WindowCommand command, QKeyCombination keys) {
        const auto& row = RowOf(command).keys;
        return std::find(row.begin(), row.end(), keys) != row.end();
    };
    int checked = 0;
    for (const auto& [map, modifiers] : {std::pair{ctrlMap, Qt::KeyboardModifiers(Qt::ControlModifier)},
                                         std::pair{shiftMap, Qt::ControlModifier | Qt::ShiftModifier}}) {
        const QRegularExpressionMatch found = map.match(text);
        QVERIFY(found.hasMatch());
        for (const QString& entry : found.captured(1).split(u',')) {
            const QString letter = entry.section(u':', 0, 0).trimmed();
            const auto command = std::find_if(commandOf.begin(), commandOf.end(), [&](const auto& named) {
                return entry.section(u':', 1).contains(named.first);
            });
            QVERIFY2(command != commandOf.end(), qPrintable(entry));
            const QKeyCombination keys(modifiers, Qt::Key(Qt::Key_A + (letter.at(0).unicode() - u'a')));
            QVERIFY2(hasKey(command->second, keys), qPrintable(entry));
            ++checked;
        }
    }
    QCOMPARE(checked, 7);
    QVERIFY(text.contains(QStringLiteral("plain && key === 'F5') run = () => command(retry)")));
    QVERIFY(hasKey(WindowCommand::Reopen, QKeyCombination(Qt::Key_F5)));
    QVERIFY(text.contains(QStringLiteral("key === 'F1') run = () => showHelp")));
    QVERIFY(hasKey(WindowCommand::Help, QKeyCombination(Qt::Key_F1)));
    QVERIFY(text.contains(QStringLiteral("(plain && key === 'Backspace') || (event.altKey && !event.ctrlKey && key === 'ArrowLeft')")));
    QVERIFY(hasKey(WindowCommand::Back, QKeyCombination(Qt::Key_Backspace)));
    QVERIFY(hasKey(WindowCommand::Back, Qt::ALT | Qt::Key_Left));
}

// With no desktop launcher to be found, the help still shows: in the program's own window.
void ViewerTest::helpShowsWithoutALauncher()
{
    QTemporaryDir emptyBin;
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", QFile::encodeName(emptyBin.path()));
    QWidget* focus = Focus(true);
    QVERIFY(focus);
    QTest::keyClick(focus, Qt::Key_F1);
    qputenv("PATH", path);
    QVERIFY(Help());
    QTRY_VERIFY(Help()->isVisible());
    QTRY_COMPARE_WITH_TIMEOUT(Help()->page()->url().fileName(), QStringLiteral("index.htm"), kLoadTimeoutMs);
    QTRY_VERIFY_WITH_TIMEOUT(PageText(Help()->page()).contains(QStringLiteral("Pierwsze kroki")), kLoadTimeoutMs);
    // Wholly on the screen, whatever its size.
    QVERIFY(window->screen()->availableGeometry().contains(Help()->frameGeometry()));
    Help()->close();
}

void ViewerTest::helpFollowsItsOwnLinksOnly()
{
    QTcpServer server;
    QVERIFY(server.listen(QHostAddress::LocalHost));
    const QString remote = QStringLiteral("http://127.0.0.1:%1/").arg(server.serverPort());
    QTest::mouseClick(window->findChild<HotLabel*>(QStringLiteral("LPomoc")), Qt::LeftButton);
    QWebEnginePage* page = Help()->page();
    QTRY_VERIFY_WITH_TIMEOUT(PageText(page).contains(QStringLiteral("Pierwsze kroki")), kLoadTimeoutMs);

    QSignalSpy loaded(page, &QWebEnginePage::loadFinished);
    RunScript(page, QStringLiteral("document.querySelector('nav a[href=\"polecenia.htm\"]').click()"));
    QVERIFY(loaded.wait(kLoadTimeoutMs));
    QCOMPARE(page->url().fileName(), QStringLiteral("polecenia.htm"));

    DesktopRecorder desktop;
    QDesktopServices::setUrlHandler(QStringLiteral("http"), &desktop, "open");
    RunScript(page, QStringLiteral("const a = document.createElement('a'); a.href = '%1'; a.textContent = 'www';"
                                   "document.body.append(a); a.click()").arg(remote));
    QTRY_COMPARE(desktop.opened, QList<QUrl>{QUrl(remote)});
    QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
    QTest::qWait(300);  // it would have loaded by now
    QCOMPARE(page->url().fileName(), QStringLiteral("polecenia.htm"));
    QVERIFY(!server.hasPendingConnections());

    // Its keys, with the help page in focus: Alt+Left goes back, Esc and Ctrl+W close it.
    Help()->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(Help()));
    QWidget* onPage = Help()->focusProxy();
    QVERIFY(onPage);
    onPage->setFocus();
    QTest::keyClick(onPage, Qt::Key_Left, Qt::AltModifier);
    QTRY_COMPARE_WITH_TIMEOUT(page->url().fileName(), QStringLiteral("index.htm"), kLoadTimeoutMs);
    QTest::keyClick(onPage, Qt::Key_Escape);
    QTRY_VERIFY(!Help()->isVisible());
    QTest::mouseClick(window->findChild<HotLabel*>(QStringLiteral("LPomoc")), Qt::LeftButton);
    QTRY_VERIFY(Help()->isVisible());
    QVERIFY(QTest::qWaitForWindowActive(Help()));
    QTest::keyClick(Help()->focusProxy(), Qt::Key_W, Qt::ControlModifier);
    QTRY_VERIFY(!Help()->isVisible());
}

void ViewerTest::zoomSizesThePageAndIsKept()
{
    Drop({Sample("z_karty.xml")}, true);
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    QWebEngineView* view = window->View();
    const auto zoomOfANewWindow = [] { return TFBrowser().View()->zoomFactor(); };
    // The page's width in its own pixels: the larger the page, the fewer fit the view.
    const auto pageWidth = [view] { return RunScript(view->page(), QStringLiteral("window.innerWidth")).toInt(); };
    const int ownWidth = pageWidth();
    const auto press = [this](Qt::Key key, Qt::KeyboardModifiers modifiers) {
        QTest::keyClick(window.get(), key, modifiers);
    };

    press(Qt::Key_Plus, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(view->zoomFactor(), 1.1);
    press(Qt::Key_Equal, Qt::ControlModifier);
    press(Qt::Key_Plus, Qt::ControlModifier | Qt::KeypadModifier);
    QCOMPARE(view->zoomFactor(), 1.5);
    press(Qt::Key_Minus, Qt::ControlModifier);
    press(Qt::Key_Plus, Qt::NoModifier);
    QCOMPARE(view->zoomFactor(), 1.25);
    QTRY_VERIFY(qAbs(pageWidth() - ownWidth / 1.25) <= 1);

    // Ctrl+wheel over the page, a notch at a time however finely the turn comes.
    QWidget* page = view->focusProxy();
    QVERIFY(page);
    const auto turn = [page](int angle) {
        const QPointF middle = QRectF(page->rect()).center();
        QWheelEvent wheel(middle, page->mapToGlobal(middle), QPoint(), QPoint(0, angle), Qt::NoButton,
                          Qt::ControlModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(page, &wheel);
    };
    turn(60);
    QCOMPARE(view->zoomFactor(), 1.25);
    turn(60);
    QCOMPARE(view->zoomFactor(), 1.5);
    turn(-240);
    QCOMPARE(view->zoomFactor(), 1.1);
    // The keys work with the page in focus too: it hands them on to the window.
    view->setFocus();
    QTest::keyClick(page, Qt::Key_Minus, Qt::ControlModifier);
    QTRY_COMPARE(view->zoomFactor(), 1.0);
    QTest::keyClick(page, Qt::Key_Equal, Qt::ControlModifier);
    QTRY_COMPARE(view->zoomFactor(), 1.1);

    // Another page, and the next run, keep the size; Ctrl+0 gives the page its own size.
    Drop({Sample("z_karty.xml")}, true);
    QCOMPARE(view->zoomFactor(), 1.1);
    QTRY_VERIFY(qAbs(pageWidth() - ownWidth / 1.1) <= 1);
    QCOMPARE(zoomOfANewWindow(), 1.1);
    press(Qt::Key_0, Qt::ControlModifier);
    QCOMPARE(view->zoomFactor(), 1.0);
    QTRY_COMPARE(pageWidth(), ownWidth);
    QCOMPARE(zoomOfANewWindow(), 1.0);

    // A kept size edited into nonsense is not used.
    for (const QVariant& nonsense : {QVariant(40), QVariant(0), QVariant(QStringLiteral("dużo"))}) {
        QSettings(QStringLiteral("Ulnik"), QStringLiteral("Ulnik")).setValue(QStringLiteral("PageZoom"), nonsense);
        QCOMPARE(zoomOfANewWindow(), 1.0);
    }
}

void ViewerTest::shiftPressOnPrintAreaOpensMaximisedPreview()
{
    Drop({Sample("z_karty.xml")}, true);
    QTest::mousePress(window->findChild<HotLabel*>(QStringLiteral("LDrukuj")), Qt::LeftButton, Qt::ShiftModifier);
    QTRY_VERIFY_WITH_TIMEOUT(qobject_cast<QPrintPreviewDialog*>(QApplication::activeModalWidget()), kLoadTimeoutMs);
    auto* preview = qobject_cast<QPrintPreviewDialog*>(QApplication::activeModalWidget());
    QVERIFY(preview->isMaximized());
    preview->reject();
    QTRY_VERIFY(!QApplication::activeModalWidget());
    QTest::mouseRelease(window->findChild<HotLabel*>(QStringLiteral("LDrukuj")), Qt::LeftButton, Qt::ShiftModifier);
}

void ViewerTest::dragMovesWindowByPointer()
{
    auto* picture = window->findChild<HotLabel*>(QStringLiteral("ImTlo"));
    const QPoint start = window->pos();
    const QPoint grip(300, 30);
    QTest::mousePress(picture, Qt::LeftButton, {}, grip);
    QTest::mouseMove(picture, grip + QPoint(40, 25));
    QTRY_COMPARE(window->pos(), start + QPoint(40, 25));
    // The window moved under the pointer: the same screen point is the grip again.
    QTest::mouseRelease(picture, Qt::LeftButton, {}, grip);
    QCOMPARE(window->pos(), start + QPoint(40, 25));
    // Once released, moving the pointer no longer drags.
    QTest::mouseMove(picture, grip + QPoint(10, 10));
    QTest::qWait(50);
    QCOMPARE(window->pos(), start + QPoint(40, 25));
}

void ViewerTest::outlineIsRoundedAndNarrower()
{
    QCOMPARE(window->size(), QSize(632, 439));
    const QRegion shape = window->mask();
    QCOMPARE(shape.boundingRect(), QRect(0, 0, 630, 439));
    for (const QPoint corner : {QPoint(0, 0), QPoint(629, 0), QPoint(0, 438), QPoint(629, 438)})
        QVERIFY2(!shape.contains(corner), qPrintable(QStringLiteral("corner %1,%2").arg(corner.x()).arg(corner.y())));
    QVERIFY(shape.contains(QPoint(6, 6)));
    QVERIFY(shape.contains(QPoint(315, 0)));
}

// Every accessible below `node`, depth first.
void Descendants(QAccessibleInterface* node, QList<QAccessibleInterface*>& found)
{
    for (int i = 0; i < node->childCount(); ++i) {
        if (QAccessibleInterface* child = node->child(i)) {
            found << child;
            Descendants(child, found);
        }
    }
}

QAccessibleInterface* AccessibleButton(QWidget* window, const QString& name)
{
    QList<QAccessibleInterface*> all;
    Descendants(QAccessible::queryAccessibleInterface(window), all);
    for (QAccessibleInterface* node : all)
        if (node->role() == QAccessible::Button && node->text(QAccessible::Name) == name)
            return node;
    return nullptr;
}

// Tab and Shift+Tab, the arrows and Enter walk and open the list's entries, which a screen reader
// sees as links named by their lines.
void ViewerTest::listEntriesByKeysAndScreenReaders()
{
    ShowList(Sample("odebrane"));
    const std::vector<std::string> files = window->State().FolderFiles;
    QVERIFY(files.size() >= 3);
    QWidget* page = Focus(true);
    QVERIFY(page);
    QSignalSpy loaded(window.get(), &TFBrowser::DocumentComplete);
    for (const Qt::Key key : {Qt::Key_Tab, Qt::Key_Down, Qt::Key_Tab, Qt::Key_Up})
        QTest::keyClick(page, key);
    QTest::keyClick(page, Qt::Key_Return);
    QVERIFY(loaded.wait(kLoadTimeoutMs));
    QCOMPARE(window->State().CurrentReportPath, files[1]);
    ShowList(Sample("odebrane"));
    page = Focus(true);
    QTest::keyClick(page, Qt::Key_Tab, Qt::ShiftModifier);  // round to the last
    QTest::keyClick(page, Qt::Key_Return);
    QVERIFY(loaded.wait(kLoadTimeoutMs));
    QCOMPARE(window->State().CurrentReportPath, files.back());

    // As a screen reader running makes it: the page's own tree is built only then.
    QAccessible::setActive(true);
    const auto readerGone = qScopeGuard([] { QAccessible::setActive(false); });
    ShowList(Sample("odebrane"));
    QList<QAccessibleInterface*> links;
    QTRY_VERIFY_WITH_TIMEOUT(([&] {
        QList<QAccessibleInterface*> all;
        Descendants(QAccessible::queryAccessibleInterface(window.get()), all);
        links.clear();
        for (QAccessibleInterface* node : all)
            if (node->role() == QAccessible::Link && node->text(QAccessible::Name).startsWith(QStringLiteral("- ")))
                links << node;
        return links.size() == int(files.size());
    }()), kLoadTimeoutMs);
    // Qt 6.4 lets a screen reader move the focus to a page's object, no more: Enter opens it.
    QAccessibleActionInterface* actions = links[2]->actionInterface();
    QVERIFY(actions && actions->actionNames().contains(QAccessibleActionInterface::setFocusAction()));
    actions->doAction(QAccessibleActionInterface::setFocusAction());
    QTRY_VERIFY(links[2]->state().focused);
    QTest::keyClick(Focus(true), Qt::Key_Return);
    QVERIFY(loaded.wait(kLoadTimeoutMs));
    QCOMPARE(window->State().CurrentReportPath, files[2]);
}

// As a user without a mouse goes, in a window of its own: open a report, list a folder, open an
// entry and go back, a school page, print and preview (each left by Esc), and the help.
// Every step in the window is a key sent to whatever has the focus then.
void ViewerTest::theWholeWayByKeysAlone()
{
    std::vector<std::string> said;
    MessageRecorder shell(said);
    auto own = std::make_unique<TFBrowser>(&shell);
    own->show();
    own->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(own.get()));
    QSignalSpy loaded(own.get(), &TFBrowser::DocumentComplete);
    const auto press = [&](Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTRY_VERIFY(QApplication::focusWidget());
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
    };
    // Qt's own file dialogs, which Qt makes work by keys, are answered as the other tests answer
    // them: typing races their folder listing, which refills the name field when it arrives.
    const auto typed = [](const QString& path) {
        return [path](QFileDialog& dialog) {
            const QFileInfo chosen(path);
            dialog.setDirectory(chosen.isDir() ? path : chosen.path());
            if (!chosen.isDir()) {
                QTest::qWait(300);
                dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(chosen.fileName());
            }
            static_cast<QDialog&>(dialog).accept();
        };
    };
    // A dialog the keys did not end is ended, so that the test fails instead of waiting.
    QTimer watchdog;
    connect(&watchdog, &QTimer::timeout, [] {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
            dialog->reject();
    });
    watchdog.start(20000);
    AnswerNextDialog<QFileDialog>(typed(Sample("z_karty.xml")));
    press(Qt::Key_O, Qt::ControlModifier);
    QVERIFY(loaded.wait(kLoadTimeoutMs));
    QVERIFY(PageText(own->View()->page()).contains(QString::fromUtf8("WYNIKAJĄCYCH Z KARTY")));

    AnswerNextDialog<QFileDialog>(typed(Sample("odebrane")));
    press(Qt::Key_L, Qt::ControlModifier);
    QVERIFY(loaded.wait(kLoadTimeoutMs));
    const std::vector<std::string> files = own->State().FolderFiles;
    QVERIFY(!files.empty());
    press(Qt::Key_Tab);
    press(Qt::Key_Return);
    QVERIFY(loaded.wait(kLoadTimeoutMs));
    QCOMPARE(own->State().CurrentReportPath, files.front());
    press(Qt::Key_Backspace);
    QVERIFY(loaded.wait(kLoadTimeoutMs));
    QVERIFY(PageText(own->View()->page()).contains(QString::fromUtf8("LISTA OTRZYMANYCH")));
    press(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QVERIFY(loaded.wait(kLoadTimeoutMs));
    QVERIFY(PageText(own->View()->page()).contains(QStringLiteral("SPRAWOZDANIE ZBIORCZE")));

    const auto leftByEsc = [](QDialog& dialog) { QTest::keyClick(dialog.focusWidget() ? dialog.focusWidget() : &dialog, Qt::Key_Escape); };
    if (QPrinterInfo::availablePrinters().isEmpty()) {
        press(Qt::Key_P, Qt::ControlModifier);
        QTRY_COMPARE(said, std::vector<std::string>{std::string(print_messages::kNoPrinter)});
    } else {
        AnswerNextDialog<QPrintDialog>(leftByEsc);
        press(Qt::Key_P, Qt::ControlModifier);
        QTRY_VERIFY_WITH_TIMEOUT(QApplication::activeWindow() == own.get() && !QApplication::activeModalWidget(), kLoadTimeoutMs);
    }
    AnswerNextDialog<QPrintPreviewDialog>(leftByEsc);
    press(Qt::Key_P, Qt::ControlModifier | Qt::ShiftModifier);
    QTRY_VERIFY_WITH_TIMEOUT(QApplication::activeWindow() == own.get() && !QApplication::activeModalWidget(), kLoadTimeoutMs);

    press(Qt::Key_F1);
    auto* help = own->findChild<HelpWindow*>();
    QTRY_VERIFY(help && help->isVisible() && QApplication::activeWindow() == help);
    press(Qt::Key_Escape);
    QTRY_VERIFY(!help->isVisible());
    QTRY_COMPARE(QApplication::activeWindow(), own.get());
    // Ctrl+Q would end the test run with the program (keys() has it reach its command).
}

void ViewerTest::hotAreasAreButtonsForScreenReaders()
{
    for (const browser_layout::HotAreaPlace& place : browser_layout::kHotAreas) {
        const QString word = QString::fromUtf8(RowOf(place.area).word);
        QAccessibleInterface* button = AccessibleButton(window.get(), word);
        QVERIFY2(button, qPrintable(word));
        QVERIFY(button->actionInterface());
        QVERIFY(button->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()));
        QCOMPARE(window->findChild<HotLabel*>(QString::fromLatin1(place.objectName))->cursor().shape(), Qt::PointingHandCursor);
        // A Polish sentence of what it does, and the keys that do the same.
        const QString said = button->text(QAccessible::Description);
        QVERIFY2(said.endsWith(QLatin1Char('.')) && said.front().isUpper(), qPrintable(said));
        const QStringList keys = button->actionInterface()->keyBindingsForAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(keys.isEmpty(), ShortcutsOf(RowOf(place.area).command).isEmpty());
    }
    QVERIFY(!AccessibleButton(window.get(), QString()));  // the picture and the panels are no buttons
    // The window's picture is decoration, hidden from the reader; a dialog over the window is
    // told as a dialog, modal while it holds the window.
    QAccessibleInterface* picture = QAccessible::queryAccessibleInterface(window->findChild<QWidget*>(QStringLiteral("ImTlo")));
    QVERIFY(picture && picture->state().invisible);
    QDialog over(window.get());
    over.setModal(true);
    over.show();
    QAccessibleInterface* dialog = QAccessible::queryAccessibleInterface(&over);
    QCOMPARE(dialog->role(), QAccessible::Dialog);
    QVERIFY(dialog->state().modal);
    over.hide();

    Drop({Sample("z_karty.xml")}, true);
    QApplication::clipboard()->setText(QStringLiteral("przed"));
    QVERIFY(Focus(false));  // the reader's user is in the window
    AccessibleButton(window.get(), QStringLiteral("Kopiuj"))->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QTRY_VERIFY(QApplication::clipboard()->text().contains(QStringLiteral("REALIZACJA ZAJĘĆ")));

    // The window is the program's one frame, named; the web view's offscreen window is none.
    QAccessibleInterface* application = QAccessible::queryAccessibleInterface(qApp);
    QStringList frames;
    for (int i = 0; i < application->childCount(); ++i)
        frames << application->child(i)->text(QAccessible::Name) + QLatin1Char(' ') +
                      QString::number(application->child(i)->role());
    QCOMPARE(frames, QStringList{QStringLiteral("Ulnik %1").arg(QAccessible::Window)});
}

void ViewerTest::pageTextReachesScreenReaders()
{
    QAccessible::setActive(true);  // as when a screen reader starts
    Drop({Sample("z_karty.xml")}, true);
    const auto pageText = [this] {
        QList<QAccessibleInterface*> all;
        Descendants(QAccessible::queryAccessibleInterface(window->View()), all);
        for (QAccessibleInterface* node : all)
            if (node->text(QAccessible::Name).contains(QStringLiteral("REALIZACJA ZAJĘĆ")))
                return true;
        return false;
    };
    QTRY_VERIFY_WITH_TIMEOUT(pageText(), kLoadTimeoutMs);
    QAccessible::setActive(false);
}

void ViewerTest::openDialogTakesATypedMissingName()
{
    messages.clear();
    QString title;
    QStringList filters;
    AnswerNextDialog<QFileDialog>([&](QFileDialog& dialog) {
        title = dialog.windowTitle();
        filters = dialog.nameFilters();
        // As a user would: go to the folder, let its listing arrive (the dialog then fills
        // the name field with the report named last), and type another name.
        dialog.setDirectory(scratch.path());
        QTest::qWait(300);
        dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(QStringLiteral("brak"));
        static_cast<QDialog&>(dialog).accept();
    });
    QTest::mouseClick(window->findChild<HotLabel*>(QStringLiteral("LOpen")), Qt::LeftButton);
    QCOMPARE(title, QStringLiteral("Wska\u017c plik"));
    QCOMPARE(filters, QStringList{QStringLiteral("Pliki sprawozda\u0144 (*.xml)")});
    // The default suffix is added to a name typed without one.
    QCOMPARE(QFile::decodeName(QByteArray::fromStdString(window->State().CurrentReportPath)), scratch.filePath(QStringLiteral("brak.xml")));
    QCOMPARE(messages, std::vector<std::string>{std::string(messages::kMissingFile)});
}

void ViewerTest::folderDialogListsTheChosenFolder()
{
    messages.clear();
    QString title;
    AnswerNextDialog<QFileDialog>([&](QFileDialog& dialog) {
        title = dialog.windowTitle();
        dialog.setDirectory(QStringLiteral(ULNIK_SOURCE_DIR "/samples/odebrane"));
        static_cast<QDialog&>(dialog).accept();
    });
    QSignalSpy loaded(window.get(), &TFBrowser::DocumentComplete);
    QTest::mouseClick(window->findChild<HotLabel*>(QStringLiteral("LListaPlikow")), Qt::LeftButton);
    QVERIFY(loaded.wait(kLoadTimeoutMs));
    QCOMPARE(title, QStringLiteral("Wskaż folder"));
    QCOMPARE(QString::fromStdString(window->State().LastFolder), QStringLiteral(ULNIK_SOURCE_DIR "/samples/odebrane"));
    QVERIFY(Shown().contains(QStringLiteral("LISTA OTRZYMANYCH SPRAWOZDAŃ")));
}

void ViewerTest::dialogsStartWhereTheCommandLinePathLies()
{
    // `ulnik odebrane/z_karty.xml`, then `ulnik odebrane`, typed in the folder above.
    const QString folder = scratch.filePath(QStringLiteral("odebrane"));
    QVERIFY(QDir().mkpath(folder));
    QFile::copy(Sample("z_karty.xml"), folder + QStringLiteral("/z_karty.xml"));
    const QString workingFolder = QDir::currentPath();
    QVERIFY(QDir::setCurrent(scratch.path()));
    const auto back = qScopeGuard([&] { QDir::setCurrent(workingFolder); });
    QSignalSpy loaded(window.get(), &TFBrowser::DocumentComplete);
    auto startsIn = [&](const char* hotArea) {
        QString start;
        AnswerNextDialog<QFileDialog>([&](QFileDialog& dialog) {
            start = dialog.directory().absolutePath();
            static_cast<QDialog&>(dialog).reject();
        });
        QTest::mouseClick(window->findChild<HotLabel*>(QString::fromLatin1(hotArea)), Qt::LeftButton);
        return start;
    };

    QVERIFY(window->OpenPath(QStringLiteral("odebrane/z_karty.xml")));
    QVERIFY(loaded.wait(kLoadTimeoutMs));
    QCOMPARE(startsIn("LOpen"), folder);
    QVERIFY(window->OpenPath(QStringLiteral("odebrane")));
    QVERIFY(loaded.wait(kLoadTimeoutMs));
    QCOMPARE(startsIn("LListaPlikow"), folder);
}

// The next run's dialogs start where the last run's left off; the first ever, in the home
// folder, never among the program's files.
void ViewerTest::dialogsStartInTheFolderUsedLast()
{
    ViewerSettings().remove(QLatin1String(kLastFolderSetting));
    const QString received = QStringLiteral(ULNIK_SOURCE_DIR "/samples/odebrane");
    std::vector<std::string> seen;
    MessageRecorder quiet(seen);
    const auto startsIn = [](TFBrowser& run, const char* hotArea, const QString& choose) {
        QString start;
        AnswerNextDialog<QFileDialog>([&](QFileDialog& dialog) {
            start = dialog.directory().absolutePath();
            if (choose.isEmpty())
                return static_cast<QDialog&>(dialog).reject();
            dialog.setDirectory(choose);
            static_cast<QDialog&>(dialog).accept();
        });
        QTest::mouseClick(run.findChild<HotLabel*>(QString::fromLatin1(hotArea)), Qt::LeftButton);
        return start;
    };
    {
        TFBrowser first(&quiet);
        first.show();
        QVERIFY(QTest::qWaitForWindowExposed(&first));
        QCOMPARE(startsIn(first, "LOpen", {}), QDir::homePath());
        QCOMPARE(startsIn(first, "LListaPlikow", received), QDir::homePath());
    }
    TFBrowser next(&quiet);
    next.show();
    QVERIFY(QTest::qWaitForWindowExposed(&next));
    QCOMPARE(startsIn(next, "LListaPlikow", {}), received);
    QCOMPARE(startsIn(next, "LOpen", {}), received);
}

void ViewerTest::escapingErrorIsShownAndProgramGoesOn()
{
    QString shown;
    AnswerNextDialog<QMessageBox>([&](QMessageBox& box) {
        shown = box.text();
        box.accept();
    });
    RunCommand([] { throw std::runtime_error("Schowek jest zaj\xEAty."); });
    QCOMPARE(shown, QStringLiteral("Schowek jest zajęty."));
}

void ViewerTest::unwritableProgramFolderStillShowsReport()
{
    // The viewer itself, copied into a folder its user may not write, and started there. The
    // copy and the report lie where any user reaches them, wherever the build is.
    QTemporaryDir base;
    using P = QFileDevice;
    const P::Permissions readable = P::ReadOwner | P::WriteOwner | P::ExeOwner | P::ReadGroup | P::ExeGroup |
                                    P::ReadOther | P::ExeOther;
    QVERIFY(QFile::setPermissions(base.path(), readable));
    QVERIFY(QDir(base.path()).mkpath(QStringLiteral("bin")) && QDir(base.path()).mkpath(QStringLiteral("home")));
    const QString bin = base.filePath(QStringLiteral("bin")), home = base.filePath(QStringLiteral("home"));
    QVERIFY(QFile::copy(QStringLiteral(ULNIK_VIEWER), bin + QStringLiteral("/ulnik")));
    QVERIFY(QFile::copy(Sample("z_karty.xml"), base.filePath(QStringLiteral("z_karty.xml"))));
    QVERIFY(QFile::setPermissions(home, readable | P::WriteGroup | P::WriteOther));
    QVERIFY(QFile::setPermissions(bin, readable & ~P::WriteOwner));
    QProcess viewer;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_DATA_HOME"), home);
    env.insert(QStringLiteral("HOME"), home);
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    viewer.setProcessEnvironment(env);
    const QString picture = home + QStringLiteral("/okno.png");
    QStringList args{QStringLiteral("--screenshot"), picture, base.filePath(QStringLiteral("z_karty.xml"))};
    QString program = bin + QStringLiteral("/ulnik");
    if (::geteuid() == 0) {  // root writes everywhere: run as nobody
        args = QStringList{QStringLiteral("--reuid=65534"), QStringLiteral("--regid=65534"),
                           QStringLiteral("--clear-groups"), program} + args;
        program = QStringLiteral("setpriv");
    }
    viewer.start(program, args);
    QVERIFY(viewer.waitForFinished(60000));
    QFile::setPermissions(bin, readable);  // so that the folder can be removed
    QCOMPARE(viewer.exitCode(), 0);
    // The page was written there, and deleted as the program ended.
    QVERIFY(QDir(home + QStringLiteral("/Ulnik")).exists());
    QVERIFY(!QFile::exists(home + QStringLiteral("/Ulnik/Temp.htm")));
    QVERIFY(QFile::exists(picture));
}

void ViewerTest::installedProgramKeepsItsPageWithTheUser()
{
    QTemporaryDir prefix;
    QVERIFY(QDir(prefix.path()).mkpath(QStringLiteral("bin")));
    const QString bin = prefix.filePath(QStringLiteral("bin"));
    QCOMPARE(PageFileHome(bin), bin);
    QVERIFY(QDir(prefix.path()).mkpath(QStringLiteral("share/ulnik")));
    QVERIFY(!PageFileHome(bin).startsWith(prefix.path()));
}

void ViewerTest::screenshotOfWhatWasAsked_data()
{
    QTest::addColumn<QStringList>("what");
    QTest::addColumn<int>("exitCode");  // 0 and 6: the picture is saved
    QTest::addColumn<QString>("said");  // what standard error says, when anything
    QTest::addColumn<QString>("into");  // the picture's name, when not the usual one
    // A folder whose list fails still has its school pages, as `--pdf` makes them.
    const QString foreign = scratch.filePath(QStringLiteral("z_obcym"));
    QDir().mkpath(foreign);
    QFile::copy(Sample("z_karty.xml"), foreign + QStringLiteral("/z_karty.xml"));
    WriteFile(foreign + QStringLiteral("/obce.xml"), "<root/>");
    // Codes and words are --pdf's: the pipeline's for what it refused, 4 for a picture not saved.
    const QString none;
    QTest::newRow("missing report") << QStringList{scratch.filePath(QStringLiteral("brak.xml"))} << 3
                                    << QStringLiteral("Plik nie istnieje.") << none;
    QTest::newRow("foreign report") << QStringList{foreign + QStringLiteral("/obce.xml")} << 2
                                    << QStringLiteral("Błędny typ pliku.") << none;
    QTest::newRow("onto a folder") << QStringList{Sample("z_karty.xml")} << 4
                                   << QStringLiteral("Nie można zapisać pliku ") + foreign + QStringLiteral(": ") << foreign;
    QTest::newRow("summary") << QStringList{QStringLiteral("--summary"), Sample("odebrane")} << 0 << QString() << none;
    QTest::newRow("summary of a report") << QStringList{QStringLiteral("--summary"), Sample("z_karty.xml")} << 3
                                         << QStringLiteral("To jest plik, nie folder:") << none;
    QTest::newRow("summary of no folder") << QStringList{QStringLiteral("--summary"), scratch.filePath("brak")} << 3
                                          << QStringLiteral("Nie ma folderu:") << none;
    QTest::newRow("summary with a foreign file") << QStringList{QStringLiteral("--summary"), foreign} << 6
                                                 << QStringLiteral("obce.xml: ") << none;
    QTest::newRow("check with a foreign file") << QStringList{QStringLiteral("--check"), foreign} << 6
                                               << QStringLiteral("obce.xml: ") << none;
}

void ViewerTest::screenshotOfWhatWasAsked()
{
    QFETCH(QStringList, what);
    QFETCH(int, exitCode);
    QFETCH(QString, said);
    QFETCH(QString, into);
    QProcess viewer;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    viewer.setProcessEnvironment(env);
    const QString picture = into.isEmpty() ? scratch.filePath(QStringLiteral("okno.png")) : into;
    if (into.isEmpty())
        QFile::remove(picture);
    viewer.start(QStringLiteral(ULNIK_VIEWER), QStringList{QStringLiteral("--screenshot"), picture} + what);
    QVERIFY(viewer.waitForFinished(60000));
    const QString errors = QString::fromUtf8(viewer.readAllStandardError());
    QCOMPARE(viewer.exitCode(), exitCode);
    QVERIFY2(said.isEmpty() || errors.contains(said), qPrintable(errors));
    QVERIFY2(!errors.contains(QStringLiteral("ulnik: ")), qPrintable(errors));  // every word Polish
    if (into.isEmpty())
        QCOMPARE(QFile::exists(picture), exitCode == 0 || exitCode == 6);
}

void ViewerTest::screenshotOnATwiceDenseScreenIsDrawnForIt()
{
    QProcess viewer;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_SCALE_FACTOR"), QStringLiteral("2"));
    viewer.setProcessEnvironment(env);
    const QString path = scratch.filePath(QStringLiteral("okno2x.png"));
    viewer.start(QStringLiteral(ULNIK_VIEWER), {QStringLiteral("--screenshot"), path, Sample("z_karty.xml")});
    QVERIFY(viewer.waitForFinished(60000));
    QCOMPARE(viewer.exitCode(), 0);
    const QImage shot = QImage(path).convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(shot.size(), QSize(1264, 878));

    // The outline at the screen's own pixels: the two cut-off columns are four, and a corner
    // steps by one pixel, not by two.
    const auto opaqueFrom = [&shot](int y) {
        int x = 0;
        while (qAlpha(shot.pixel(x, y)) == 0)
            ++x;
        return x;
    };
    for (const int y : {0, 439, 877})
        QCOMPARE(qAlpha(shot.pixel(1260, y)) + qAlpha(shot.pixel(1263, y)), 0);
    QCOMPARE(qAlpha(shot.pixel(1259, 439)), 255);
    QVERIFY(opaqueFrom(0) > 0);
    QVERIFY2(opaqueFrom(0) != opaqueFrom(1), "the corner steps by whole window pixels");

    // The title band and the button column are the 2x picture's own pixels, which a 1x
    // picture made twice as large is not.
    const QRect skin(24, 0, 1200, 130);
    QImage drawn = LoadResourceImage(QStringLiteral("tlo"), 2).convertToFormat(QImage::Format_ARGB32);
    drawn.setDevicePixelRatio(1);  // as the picture file has it
    QCOMPARE(shot.copy(skin), drawn.copy(skin));
    const QImage enlarged = LoadResourceImage(QStringLiteral("tlo")).scaled(drawn.size(), Qt::IgnoreAspectRatio,
                                                                         Qt::SmoothTransformation);
    QVERIFY(enlarged.convertToFormat(QImage::Format_ARGB32).copy(skin) != drawn.copy(skin));
}

void ViewerTest::retryBeforeAnyFileIsWrongType()
{
    // A fresh window: nothing has been named yet.
    std::vector<std::string> seen;
    MessageRecorder recorder(seen);
    TFBrowser fresh(&recorder);
    fresh.show();
    QVERIFY(QTest::qWaitForWindowExposed(&fresh));
    QTest::mouseClick(fresh.findChild<HotLabel*>(QStringLiteral("LPonow")), Qt::LeftButton);
    QCOMPARE(seen, std::vector<std::string>{std::string(messages::kWrongType)});
}

void ViewerTest::closeDeletesPageFile_data()
{
    QTest::addColumn<int>("key");  // 0: a click on the close area
    QTest::newRow("close area") << 0;
    QTest::newRow("Ctrl+Q") << int(Qt::Key_Q);
    QTest::newRow("Ctrl+W on the page") << int(Qt::Key_W);
}

void ViewerTest::closeDeletesPageFile()
{
    QFETCH(int, key);
    Drop({Sample("z_karty.xml")}, true);
    QVERIFY(QFile::exists(PageFile()));
    if (key == 0)
        QTest::mouseClick(window->findChild<HotLabel*>(QStringLiteral("LClose")), Qt::LeftButton);
    else
        QTest::keyClick(Focus(key == Qt::Key_W), Qt::Key(key), Qt::ControlModifier);
    QVERIFY(!QFile::exists(PageFile()));
}

void ViewerTest::ShowList(const QString& folder)
{
    messages.clear();
    QSignalSpy loaded(window.get(), &TFBrowser::DocumentComplete);
    QVERIFY(window->OpenPath(folder));
    QVERIFY(loaded.wait(kLoadTimeoutMs));
}

void ViewerTest::ClickEntry(int index)
{
    QWebEngineView* view = window->View();
    const QVariantList box = RunScript(view->page(), QStringLiteral(
        "(function(i) { const e = document.querySelectorAll('span.ulnik-entry')[i];"
        " const r = e.getClientRects()[0]; return [r.left, (r.top + r.bottom) / 2, getComputedStyle(e).cursor]; })(%1)")
        .arg(index)).toList();
    QCOMPARE(box.size(), 3);
    QCOMPARE(box[2].toString(), QStringLiteral("pointer"));
    // Right of the text, where the line's row still is: the whole line is the target.
    const QPoint at(int((box[0].toDouble() + 400) * view->zoomFactor()), int(box[1].toDouble() * view->zoomFactor()));
    QTest::mouseClick(view->focusProxy(), Qt::LeftButton, Qt::NoModifier, at);
}

void ViewerTest::listEntriesOpenTheirReportsAndBackKeepsTheScroll_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("entry");
    // Polish order: L before Ł before M; one teacher's two reports in their own order.
    QTest::newRow("second of one teacher") << "nowak_b.xml" << 3;
    QTest::newRow("Ł after L") << "lacki.xml" << 1;
    QTest::newRow("far down") << "z_40.xml" << 34;
}

void ViewerTest::listEntriesOpenTheirReportsAndBackKeepsTheScroll()
{
    QFETCH(QString, file);
    QFETCH(int, entry);
    QTemporaryDir folder;
    const struct {
        const char* name;
        const char* teacher;
        const char* subject;
    } reports[] = {
        // A value with markup breaks its entry's line in two: the entries after it still open.
        {"adamska.xml", "Adamska&lt;br&gt;Ewa", "kolo"},
        {"lacki.xml", "\u0141\u0105cki Jan", "kolo"},
        {"lis.xml", "Lis Ewa", "kolo"},
        {"nowak_b.xml", "Nowak Anna", "wycieczki"},
        {"nowak_a.xml", "Nowak Anna", "apele"},
    };
    for (const auto& report : reports)
        WriteFile(folder.filePath(QString::fromLatin1(report.name)),
                  ListedReport(QString::fromUtf8(report.teacher), QString::fromLatin1(report.subject)));
    // Enough lines below them for the list to scroll.
    for (int i = 10; i < 51; ++i)
        WriteFile(folder.filePath(QStringLiteral("z_%1.xml").arg(i)), ListedReport(QStringLiteral("Zawada %1").arg(i), "kolo"));
    ShowList(folder.path());
    QWebEnginePage* page = window->View()->page();
    RunScript(page, QStringLiteral("window.scrollTo(0, %1)").arg(entry > 10 ? 500 : 0));
    QTRY_VERIFY(entry <= 10 || page->scrollPosition().y() > 0);
    const QPointF scrolled = page->scrollPosition();

    QSignalSpy loaded(window.get(), &TFBrowser::DocumentComplete);
    ClickEntry(entry);
    QVERIFY(loaded.wait(kLoadTimeoutMs));
    QCOMPARE(QFile::decodeName(QByteArray::fromStdString(window->State().CurrentReportPath)), folder.filePath(file));
    QVERIFY(!Shown().contains(QStringLiteral("LISTA OTRZYMANYCH")));
    QTRY_COMPARE(page->scrollPosition(), QPointF());

    QTest::keyClick(window.get(), Qt::Key_Backspace);
    QVERIFY(loaded.wait(kLoadTimeoutMs));
    QVERIFY(Shown().contains(QStringLiteral("LISTA OTRZYMANYCH")));
    QTRY_COMPARE(page->scrollPosition(), scrolled);
    // Retry still means the report named last.
    QTest::keyClick(window.get(), Qt::Key_F5);
    QVERIFY(loaded.wait(kLoadTimeoutMs));
    QCOMPARE(QFile::decodeName(QByteArray::fromStdString(window->State().CurrentReportPath)), folder.filePath(file));
    QTest::keyClick(window.get(), Qt::Key_Left, Qt::AltModifier);
    QVERIFY(loaded.wait(kLoadTimeoutMs));
    QVERIFY(Shown().contains(QStringLiteral("LISTA OTRZYMANYCH")));
    QVERIFY(messages.empty());
}

void ViewerTest::listFollowsItsFolder()
{
    QTemporaryDir folder;
    WriteFile(folder.filePath(QStringLiteral("a.xml")), ListedReport(QStringLiteral("Adamska Ewa"), "kolo"));
    WriteFile(folder.filePath(QStringLiteral("b.xml")), ListedReport(QStringLiteral("Bednarz Jan"), "kolo"));
    ShowList(folder.path());
    QSignalSpy loaded(window.get(), &TFBrowser::DocumentComplete);

    WriteFile(folder.filePath(QStringLiteral("c.xml")), ListedReport(QStringLiteral("Cicha Maria"), "kolo"));
    QVERIFY(loaded.wait(kLoadTimeoutMs));
    QVERIFY(Shown().contains(QStringLiteral("Cicha Maria")));

    // Copied over in place: no entry of the folder changes, only the file.
    WriteFile(folder.filePath(QStringLiteral("a.xml")), ListedReport(QStringLiteral("Adamska Ewa"), "apele"));
    QVERIFY(loaded.wait(kLoadTimeoutMs));
    QVERIFY(Shown().contains(QStringLiteral("apele")));

    QVERIFY(QFile::remove(folder.filePath(QStringLiteral("b.xml"))));
    QVERIFY(loaded.wait(kLoadTimeoutMs));
    QVERIFY(!Shown().contains(QStringLiteral("Bednarz")));

    // A foreign file spoils the list: the last one stays, and nothing is said.
    WriteFile(folder.filePath(QStringLiteral("obce.xml")), "<root/>");
    QVERIFY(!loaded.wait(1500));
    QVERIFY(Shown().contains(QStringLiteral("Cicha Maria")));
    QVERIFY(messages.empty());
    // The next change tries again.
    QVERIFY(QFile::remove(folder.filePath(QStringLiteral("obce.xml"))));
    QVERIFY(loaded.wait(kLoadTimeoutMs));
    QVERIFY(messages.empty());

    // A report whose name crashes the list's page: the list before it is shown again, quietly.
    WriteFile(folder.filePath(QStringLiteral("d.xml")),
              ListedReport(QStringLiteral("Dudek") + QStringLiteral("&lt;table&gt;&lt;tr&gt;&lt;td&gt;").repeated(2000), "kolo"));
    QTRY_VERIFY_WITH_TIMEOUT(!loaded.isEmpty() && loaded.last().constFirst().toBool() && Shown().contains(QStringLiteral("Cicha Maria")), 30000);
    QVERIFY(!Shown().contains(QStringLiteral("Dudek")));
    QVERIFY(messages.empty());
    QVERIFY(QFile::remove(folder.filePath(QStringLiteral("d.xml"))));
    QVERIFY(loaded.wait(kLoadTimeoutMs));

    // A folder deleted and made again is followed again.
    QVERIFY(QDir(folder.path()).removeRecursively());
    QTest::qWait(2 * FolderWatch::kQuietMs);
    QVERIFY(QDir().mkpath(folder.path()));
    WriteFile(folder.filePath(QStringLiteral("e.xml")), ListedReport(QStringLiteral("Ernest Jan"), "kolo"));
    QTRY_VERIFY_WITH_TIMEOUT(Shown().contains(QStringLiteral("Ernest Jan")), kLoadTimeoutMs);
    QVERIFY(!Shown().contains(QStringLiteral("Cicha")));
    QVERIFY(messages.empty());
}

QMenu* ViewerTest::PageMenu(QStringList& entries)
{
    QWidget* page = window->View()->focusProxy();
    QTest::mouseClick(page, Qt::RightButton, Qt::NoModifier, page->rect().center());
    QMenu* menu = nullptr;
    entries.clear();
    const auto opened = [&] { return (menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) != nullptr; };
    if (!QTest::qWaitFor(opened, 1000))
        return nullptr;
    for (const QAction* action : menu->actions())
        entries << action->text();
    return menu;
}

// Pasted into a spreadsheet, a copied row of the summary is one line of tab-separated cells, and
// the charts come as their figures.
void ViewerTest::copiedSummaryKeepsRowsAndChartFigures()
{
    QTemporaryDir folder;
    QVERIFY(QFile::copy(Sample("klasyfikacja_klasy_3a.xml"), folder.filePath(QStringLiteral("3a.xml"))));
    ShowList(folder.path());
    QSignalSpy loaded(window.get(), &TFBrowser::DocumentComplete);
    QTest::keyClick(Focus(true), Qt::Key_K, Qt::ControlModifier | Qt::ShiftModifier);
    QVERIFY(loaded.wait(kLoadTimeoutMs));
    QApplication::clipboard()->setText(QStringLiteral("przed"));
    QTest::keyClick(Focus(true), Qt::Key_C, Qt::ControlModifier);
    QTRY_VERIFY(QApplication::clipboard()->text().contains(QStringLiteral("WYNIKI KLASYFIKACJI")));
    const QString text = QApplication::clipboard()->text();
    QVERIFY2(text.contains(QStringLiteral("Razem\t\t26\t3\t5\t2\t0\t0")), qPrintable(text));
    QVERIFY2(text.contains(QStringLiteral("Klasa\tWyróżnienia\n3A\t5")), qPrintable(text));
    QTest::keyClick(Focus(true), Qt::Key_Backspace);
    QVERIFY(loaded.wait(kLoadTimeoutMs));
}

void ViewerTest::schoolPagesOfTheListOrOfAFolderAskedFor_data()
{
    QTest::addColumn<int>("key");  // 0: the list's menu
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("title");
    const QString combined = QStringLiteral("Sprawozdanie zbiorcze"), summary = QStringLiteral("Wyniki klasyfikacji"),
                  check = QStringLiteral("Sprawdzenie plików");
    QTest::newRow("Ctrl+Shift+Z") << int(Qt::Key_Z) << combined << "SPRAWOZDANIE ZBIORCZE";
    QTest::newRow("Ctrl+Shift+K") << int(Qt::Key_K) << summary << "WYNIKI KLASYFIKACJI";
    QTest::newRow("Ctrl+Shift+S") << int(Qt::Key_S) << check << "SPRAWDZENIE PLIKÓW";
    QTest::newRow("menu: combined") << 0 << combined << "SPRAWOZDANIE ZBIORCZE";
    QTest::newRow("menu: summary") << 0 << summary << "WYNIKI KLASYFIKACJI";
    QTest::newRow("menu: check") << 0 << check << "SPRAWDZENIE PLIKÓW";
}

// From a list, keys and its menu lead to a page of its folder, which stays until Back, whatever
// its folder does, and clicks on it open nothing. With no list, the keys ask for a folder and
// build its page, from which Back leads nowhere; no other page has a menu.
void ViewerTest::schoolPagesOfTheListOrOfAFolderAskedFor()
{
    QFETCH(int, key);
    QFETCH(QString, entry);
    QFETCH(QString, title);
    QStringList entries;
    QSignalSpy loaded(window.get(), &TFBrowser::DocumentComplete);
    const auto ask = [&] {
        if (key) {
            QTest::keyClick(Focus(true), Qt::Key(key), Qt::ControlModifier | Qt::ShiftModifier);
            return;
        }
        QMenu* menu = PageMenu(entries);
        QVERIFY(menu);
        QCOMPARE(entries, (QStringList{QStringLiteral("Sprawozdanie zbiorcze"), QStringLiteral("Wyniki klasyfikacji"),
                                       QStringLiteral("Sprawdzenie plików")}));
        QAction* chosen = menu->actions().at(entries.indexOf(entry));
        QTest::mouseClick(menu, Qt::LeftButton, Qt::NoModifier, menu->actionGeometry(chosen).center());
    };
    QTemporaryDir folder;
    WriteFile(folder.filePath(QStringLiteral("a.xml")), ListedReport(QStringLiteral("Adamska Ewa"), "kolo"));

    Drop({Sample("z_karty.xml")}, true);
    loaded.clear();
    if (key) {
        QString asked;
        AnswerNextDialog<QFileDialog>([&](QFileDialog& dialog) {
            asked = dialog.windowTitle();
            dialog.setDirectory(folder.path());
            // Not the name of the folder chosen last, gone since with its test.
            if (auto* name = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit")))
                name->clear();
            static_cast<QDialog&>(dialog).accept();
        });
        ask();
        QCOMPARE(asked, QStringLiteral("Wskaż folder"));
        QVERIFY(loaded.wait(kLoadTimeoutMs));
        QVERIFY(Shown().contains(title));
        QCOMPARE(QString::fromStdString(window->State().LastFolder), folder.path());
        QTest::keyClick(Focus(true), Qt::Key_Backspace);
        QVERIFY(!loaded.wait(500));
        QVERIFY(Shown().contains(title));
    } else {
        QVERIFY(!PageMenu(entries));
    }

    ShowList(folder.path());
    loaded.clear();
    ask();
    QVERIFY(loaded.wait(kLoadTimeoutMs));
    QVERIFY(Shown().contains(title));
    QVERIFY(!Shown().contains(QStringLiteral("LISTA OTRZYMANYCH")));
    // Where the list's entry was, and the folder changing, leave the page as it is.
    QTest::mouseClick(window->View()->focusProxy(), Qt::LeftButton, Qt::NoModifier, QPoint(100, 60));
    WriteFile(folder.filePath(QStringLiteral("b.xml")), ListedReport(QStringLiteral("Bednarz Jan"), "kolo"));
    QVERIFY(!loaded.wait(2 * FolderWatch::kQuietMs + 500));
    QVERIFY(Shown().contains(title));
    if (!key)
        QVERIFY(!PageMenu(entries));

    QTest::keyClick(Focus(true), Qt::Key_Backspace);
    QVERIFY(loaded.wait(kLoadTimeoutMs));
    QVERIFY(Shown().contains(QStringLiteral("LISTA OTRZYMANYCH")));
    QVERIFY(Shown().contains(QStringLiteral("Bednarz Jan")));
    QVERIFY(messages.empty());
}

// A folder named that cannot be listed asks whether to show the check of its files. Whatever
// the answer, the list before stays on screen but leads nowhere: no entry, menu, key or Back
// reaches the folder before, whose figures would pass for the named one's.
void ViewerTest::failedListOffersTheCheckAndLeadsNowhere()
{
    QTemporaryDir before, named;
    WriteFile(before.filePath(QStringLiteral("a.xml")), ListedReport(QStringLiteral("Adamska Ewa"), "kolo"));
    WriteFile(named.filePath(QStringLiteral("b.xml")), ListedReport(QStringLiteral("Bednarz Jan"), "kolo"));
    WriteFile(named.filePath(QStringLiteral("obce.xml")), "<root/>");
    const auto answer = qScopeGuard([this] { recorder.answer = ChoiceAnuluj; });
    ShowList(before.path());
    QSignalSpy loaded(window.get(), &TFBrowser::DocumentComplete);

    recorder.answer = ChoiceNie;
    QVERIFY(!window->OpenPath(named.path()));
    QCOMPARE(messages.size(), std::size_t(1));
    QVERIFY(messages.front().starts_with(messages::kDamagedFolder));
    QVERIFY(messages.front().ends_with(viewer_messages::kOfferFileCheck));
    QVERIFY(!loaded.wait(500));
    QVERIFY(Shown().contains(QStringLiteral("Adamska Ewa")));
    ClickEntry(0);
    QStringList entries;
    QVERIFY(!PageMenu(entries));
    QString asked;
    AnswerNextDialog<QFileDialog>([&](QFileDialog& dialog) {
        asked = dialog.windowTitle();
        static_cast<QDialog&>(dialog).reject();
    });
    QTest::keyClick(Focus(true), Qt::Key_K, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(asked, QStringLiteral("Wskaż folder"));
    QTest::keyClick(Focus(true), Qt::Key_Backspace);
    QVERIFY(!loaded.wait(500));
    QVERIFY(Shown().contains(QStringLiteral("Adamska Ewa")));

    recorder.answer = ChoiceTak;
    QVERIFY(!window->OpenPath(named.path()));
    QVERIFY(loaded.wait(kLoadTimeoutMs));
    QVERIFY(Shown().contains(QStringLiteral("SPRAWDZENIE PLIKÓW")));
    QVERIFY(Shown().contains(QStringLiteral("obce.xml")));
    QTest::keyClick(Focus(true), Qt::Key_Backspace);
    QVERIFY(!loaded.wait(500));
    QVERIFY(Shown().contains(QStringLiteral("SPRAWDZENIE PLIKÓW")));
    messages.clear();
}

// A school page asked for of a list whose folder has gone since names the folder, and is not
// made: the folder is not taken for one without reports.
void ViewerTest::schoolPageOfAFolderGoneNamesIt()
{
    auto folder = std::make_unique<QTemporaryDir>();
    const std::string path = folder->path().toStdString();
    WriteFile(folder->filePath(QStringLiteral("a.xml")), ListedReport(QStringLiteral("Adamska Ewa"), "kolo"));
    ShowList(folder->path());
    folder.reset();
    QSignalSpy loaded(window.get(), &TFBrowser::DocumentComplete);
    QTest::keyClick(Focus(true), Qt::Key_K, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(messages, std::vector<std::string>{"Nie ma folderu:\r" + path});
    QVERIFY(!loaded.wait(500));
    QVERIFY(!Shown().contains(QStringLiteral("WYNIKI KLASYFIKACJI")));
    messages.clear();
}

// While a message is up, its event loop turning, the listed folder's news wait and a second
// command is refused; once it has closed, the list is read again.
void ViewerTest::oneCommandAtATime()
{
    QTemporaryDir folder;
    WriteFile(folder.filePath(QStringLiteral("a.xml")), ListedReport(QStringLiteral("Adamska Ewa"), "kolo"));
    ShowList(folder.path());
    QSignalSpy loaded(window.get(), &TFBrowser::DocumentComplete);
    bool secondRefused = false;
    int loadedMeanwhile = -1;
    recorder.whileShown = [&] {
        WriteFile(folder.filePath(QStringLiteral("b.xml")), ListedReport(QStringLiteral("Bednarz Jan"), "kolo"));
        QTest::qWait(2 * FolderWatch::kQuietMs + 500);
        loadedMeanwhile = int(loaded.count());
        secondRefused = !window->OpenPath(Sample("z_karty.xml"));
    };
    QVERIFY(!window->OpenPath(folder.filePath(QStringLiteral("brak.xml"))));
    recorder.whileShown = nullptr;
    QCOMPARE(loadedMeanwhile, 0);
    QVERIFY(secondRefused);
    QCOMPARE(messages.size(), std::size_t(1));
    QVERIFY(loaded.wait(kLoadTimeoutMs));
    QVERIFY(Shown().contains(QStringLiteral("Bednarz Jan")));
    messages.clear();
}

// The folder's progress window lets events run while it reads; the watch and a second command
// wait for the listing, and a change made meanwhile is listed once it has ended.
void ViewerTest::oneCommandWhileTheProgressWindowRuns()
{
    QTemporaryDir folder;
    WriteFile(folder.filePath(QStringLiteral("a.xml")), ListedReport(QStringLiteral("Adamska Ewa"), "kolo"));
    // Reports long enough (over 10 MB each) for the window to come up while they are read: it
    // shows once the reading is due to take longer than its delay.
    const QByteArray longReport = QByteArray::fromStdString(LongReport(150000));
    for (int i = 0; i < 16; ++i)
        WriteFile(folder.filePath(QStringLiteral("dlugie_%1.xml").arg(i)), longReport);
    ShowList(folder.path());
    QSignalSpy loaded(window.get(), &TFBrowser::DocumentComplete);
    bool ranWhileListing = false, secondRefused = false;
    int loadedMeanwhile = -1;
    QObject untilReturned;  // a timer that never ran must not outlive the locals it writes
    QTimer::singleShot(0, &untilReturned, [&] {
        ranWhileListing = true;
        WriteFile(folder.filePath(QStringLiteral("b.xml")), ListedReport(QStringLiteral("Bednarz Jan"), "kolo"));
        QTest::qWait(2 * FolderWatch::kQuietMs + 500);
        loadedMeanwhile = int(loaded.count());
        secondRefused = !window->OpenPath(Sample("z_karty.xml"));
    });
    QVERIFY(window->OpenPath(folder.path()));
    QVERIFY2(ranWhileListing, "the progress window did not come up");
    QCOMPARE(loadedMeanwhile, 0);
    QVERIFY(secondRefused);
    QVERIFY(messages.empty());
    QTRY_VERIFY_WITH_TIMEOUT(Shown().contains(QStringLiteral("Bednarz Jan")), kLoadTimeoutMs);
    QVERIFY(Shown().contains(QStringLiteral("Adamska Ewa")));
}

// Two windows at once: each has a page of its own, in a folder of its own, and closing one
// leaves the other's.
void ViewerTest::twoWindowsKeepTheirOwnPages()
{
    Drop({Sample("z_karty.xml")}, true);
    std::vector<std::string> seen;
    MessageRecorder other(seen);
    auto second = std::make_unique<TFBrowser>(&other);
    second->show();
    QVERIFY(QTest::qWaitForWindowExposed(second.get()));
    // Opened beside the first, not exactly over it.
    QVERIFY(second->pos() != window->pos());
    const QString theirs = QFile::decodeName(QByteArray::fromStdString(second->State().PageFilePath));
    QVERIFY(theirs != PageFile());
    QCOMPARE(QFileInfo(theirs).fileName(), QStringLiteral("Temp.htm"));
    for (const QString& page : {PageFile(), theirs}) {
        struct stat folder {};
        QCOMPARE(::stat(QFile::encodeName(QFileInfo(page).path()).constData(), &folder), 0);
        QCOMPARE(folder.st_mode & 0777, mode_t(0700));
    }
    // The second fails to open a file that is not there: nothing of the first's page shows.
    QVERIFY(!second->OpenPath(scratch.filePath(QStringLiteral("brak.xml"))));
    QTest::qWait(300);
    QVERIFY(!PageText(second->View()->page()).contains(QStringLiteral("REALIZACJA")));
    second.reset();
    QVERIFY(QFile::exists(PageFile()));
    QVERIFY(Shown().contains(QStringLiteral("REALIZACJA")));
}

void ViewerTest::pageFileIsNeverFedToAPipeOrALink_data()
{
    QTest::addColumn<bool>("pipe");
    QTest::newRow("a pipe") << true;
    QTest::newRow("a link") << false;
}

// Whatever is planted under the page file's name is replaced, never written into or through:
// a pipe would hand the page to whoever reads it (or hang the window), a link would write over
// its target.
void ViewerTest::pageFileIsNeverFedToAPipeOrALink()
{
    QFETCH(bool, pipe);
    const QString victim = scratch.filePath(QStringLiteral("victim.txt"));
    WriteFile(victim, "cenne");
    QFile::remove(PageFile());
    const QByteArray planted = QFile::encodeName(PageFile());
    QCOMPARE(pipe ? ::mkfifo(planted.constData(), 0600) : ::symlink(QFile::encodeName(victim).constData(), planted.constData()), 0);
    const int reader = pipe ? ::open(planted.constData(), O_RDONLY | O_NONBLOCK) : -1;
    Drop({Sample("z_karty.xml")}, true);
    QVERIFY(Shown().contains(QStringLiteral("REALIZACJA")));
    QVERIFY(QFileInfo(PageFile()).isFile() && !QFileInfo(PageFile()).isSymLink());
    QFile kept(victim);
    QVERIFY(kept.open(QIODevice::ReadOnly));
    QCOMPARE(kept.readAll(), QByteArray("cenne"));
    if (reader >= 0) {
        char byte;
        QCOMPARE(::read(reader, &byte, 1), ssize_t(0));
        ::close(reader);
    }
}

// A page shown under the name of the one before opened where that one was scrolled to, its
// title out of sight.
void ViewerTest::newReportOpensAtItsTop()
{
    // Where the page is, as its script sees it: the view hears of a scroll only with its next frame.
    QWebEnginePage* page = window->View()->page();
    const auto scrolled = [page] { return RunScript(page, QStringLiteral("scrollY")).toInt(); };
    const QString longReport = scratch.filePath(QStringLiteral("dlugie.xml"));
    WriteFile(longReport, QByteArray::fromStdString(LongReport(150)));
    Drop({longReport}, true);
    RunScript(page, QStringLiteral("window.scrollTo(0, 800)"));
    QCOMPARE(scrolled(), 800);
    Drop({Sample("z_karty.xml")}, true);
    QTRY_COMPARE(scrolled(), 0);
    Drop({longReport}, true);
    QTRY_COMPARE(scrolled(), 0);

    // A school page over a list scrolled down. Chromium puts a page loaded under the same name
    // where the one before was, and may do so only once the page has grown, after its load.
    QTemporaryDir folder;
    for (int i = 0; i < 80; ++i)
        WriteFile(folder.filePath(QStringLiteral("r%1.xml").arg(i)),
                  ListedReport(QStringLiteral("Nauczyciel %1").arg(i), "kolo"));
    ShowList(folder.path());
    RunScript(page, QStringLiteral("window.scrollTo(0, 600)"));
    QCOMPARE(scrolled(), 600);
    QSignalSpy loaded(window.get(), &TFBrowser::DocumentComplete);
    QTest::keyClick(Focus(true), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QVERIFY(loaded.wait(kLoadTimeoutMs));
    QTest::qWait(1000);
    QCOMPARE(scrolled(), 0);
}

QTEST_MAIN(ViewerTest)
#include "viewer_test.moc"
