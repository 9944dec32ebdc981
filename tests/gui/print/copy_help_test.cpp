// The copy command on a real page, and the help pages' links.
#include <stdexcept>

#include <QClipboard>
#include <QDirIterator>
#include <QLineEdit>
#include <QMimeData>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QStringDecoder>
#include <QTest>
#include <optional>
#include <QVBoxLayout>
#include <QWebEngineScript>
#include <QWebEngineView>

#include "code_page.h"
#include "copy_all.h"
#include "load_warning.h"
#include "messages.h"
#include "print_messages.h"
#include "utf8.h"
#include "viewer_messages.h"
#include "printout_check.h"
#include "temp_dir.h"

class CopyHelpTest : public QObject {
    Q_OBJECT
private slots:
    void copiesWholePageAndLeavesNothingSelected() {
        QWidget window;
        auto* field = new QLineEdit(&window);
        auto* view = new QWebEngineView(&window);
        auto* layout = new QVBoxLayout(&window);
        layout->addWidget(field);
        layout->addWidget(view);
        window.resize(600, 400);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        TempDir scratch;
        QVERIFY(ShowReport(*view->page(), ULNIK_SOURCE_DIR "/samples/inne_informacje.xml",
                           scratch.PathOf("Temp.htm")));
        field->setFocus();
        QApplication::clipboard()->setText("przedtem");

        std::optional<std::string> failure;
        CopyAll(view, [&](const std::string& failed) { failure = failed; });
        QTRY_VERIFY(failure.has_value());
        QCOMPARE(*failure, std::string());

        const QMimeData* copied = QApplication::clipboard()->mimeData();
        QVERIFY(copied->text().contains(QString::fromUtf8("Sikora Paweł")));
        QVERIFY(copied->text().contains("Utworzono: 2026-01-22"));
        QVERIFY(copied->html().contains(QString::fromUtf8("Sikora Paweł")));
        QTRY_VERIFY(field->hasFocus());
        QTRY_COMPARE(SelectionOf(*view->page()), QString());
    }

    void copyWithoutAPageFails() {
        QWebEngineView view;
        try {
            CopyAll(&view, {});
            QFAIL("no error");
        } catch (const std::runtime_error& error) {
            QCOMPARE(std::string(error.what()), std::string(print_messages::kNoPageToCopy));
        }
    }

    // Whatever the program can say, the help page on messages shows as it is said.
    void helpShowsEveryMessage() {
        QString page = Utf8File(ULNIK_SOURCE_DIR "/pomoc/komunikaty.htm");
        page.remove(QRegularExpression("<[^>]*>")).replace("&lt;", "<").replace("&gt;", ">").replace("&amp;", "&");
        page = page.simplified();
        namespace pm = print_messages;
        const XmlBreak cut{XmlBreakReason::ElementNotClosed, 12, 5, 0, u"Info"};
        const AnsiText said[] = {
            messages::kWrongDrop, messages::kCannotOpen, messages::kWrongType,
            messages::kMissingFile, messages::DamagedFiles({"a.xml", "b.xml", "c.xml", "d.xml", "e.xml"}),
            messages::CannotWrite("/brak/x.htm", "Nie ma takiego pliku ani katalogu"),
            messages::kDamagedReport, messages::TooLargeReport(17 * 1024 * 1024),
            messages::kNoReportFiles, messages::kDamagedFolder,
            viewer_messages::kOfferFileCheck,
            viewer_messages::kPageCrashed, viewer_messages::kPageTimedOut,
            AnsiText::OfBytes(IncompletePageNotice(cut).Bytes().substr(0, IncompletePageNotice(cut).Bytes().find(':'))),
            pm::kNoPrinter, pm::kPrintoutFailed, pm::kNoPagesInRange,
            pm::WrongPageList(3), pm::LongPrintoutQuestion(52), pm::kPrintFailed,
            pm::kPrintFailed + pm::kPrintingSystemSilent, pm::kCannotWritePdf,
            pm::ReportsLeftOut({{"zepsuty.xml", {}}}), pm::kNoReportPrinted, pm::kNoPageToCopy,
            pm::kCopyNoFocus, pm::kCopyFailed,
        };
        for (const AnsiText& message : said) {
            const QString text = QString::fromStdString(message.ToUtf8()).replace('\r', ' ').simplified();
            QVERIFY2(page.contains(text), qPrintable(text));
        }
    }

    void helpPagesAreUtf8WithoutScriptsOrBrokenLinks() {
        const QDir help(ULNIK_SOURCE_DIR "/pomoc");
        const QStringList pages = help.entryList({"*.htm"}, QDir::Files);
        QVERIFY(pages.contains("index.htm"));
        static const QRegularExpression link("(?:href|src)=\"([^\"]*)\"");
        for (const QString& name : pages) {
            const QString text = Utf8File(help.filePath(name));
            QVERIFY2(!text.isEmpty(), qPrintable(name + ": not UTF-8 or empty"));
            QVERIFY2(!text.contains("<script", Qt::CaseInsensitive), qPrintable(name));
            for (auto it = link.globalMatch(text); it.hasNext();) {
                const QString target = it.next().captured(1);
                QVERIFY2(LinkResolves(help, name, target), qPrintable(name + " -> " + target));
            }
        }
    }

private:
    static QString SelectionOf(QWebEnginePage& page) {
        QString selection = "(none)";
        bool done = false;
        page.runJavaScript("window.getSelection().toString()", QWebEngineScript::ApplicationWorld,
                           [&](const QVariant& result) {
                               selection = result.toString();
                               done = true;
                           });
        return QTest::qWaitFor([&] { return done; }, 10000) ? selection : "(no answer)";
    }

    // Empty when the file is missing or not UTF-8.
    static QString Utf8File(const QString& path) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) return {};
        QStringDecoder decoder(QStringDecoder::Utf8);
        const QString text = decoder(file.readAll());
        return decoder.hasError() ? QString() : text;
    }

    // A link to another page or picture of the help, with its anchor when it has one.
    static bool LinkResolves(const QDir& help, const QString& from, const QString& target) {
        const QString file = target.section('#', 0, 0);
        const QString anchor = target.section('#', 1);
        if (file.contains(':')) return false;  // the help is read offline: no other sites
        const QString path = help.filePath(file.isEmpty() ? from : file);
        if (!QFileInfo::exists(path)) return false;
        return anchor.isEmpty() || Utf8File(path).contains("id=\"" + anchor + "\"");
    }
};

int RunCopyHelpTests(int argc, char* argv[]) {
    CopyHelpTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "copy_help_test.moc"
