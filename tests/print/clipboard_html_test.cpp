// What the copy command leaves on the clipboard as HTML: the text and its look, and nothing a
// mail or office program would fetch when it is pasted.
#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <QTest>
#include <QWebEngineView>

#include "clipboard_html.h"
#include "copy_all.h"
#include "printout_check.h"
#include "temp_dir.h"

class ClipboardHtmlTest : public QObject {
    Q_OBJECT
private slots:
    void referencesGoTextAndLookStay_data() {
        QTest::addColumn<QString>("html");
        QTest::addColumn<QString>("safe");
        QTest::newRow("formatting") << R"h(<p class="N" style="color: red"><b>Żurawska</b> i&nbsp;syn</p>)h"
                                    << R"h(<p class="N" style="color: red"><b>Żurawska</b> i&nbsp;syn</p>)h";
        QTest::newRow("link keeps its text") << R"h(<a href="file:///etc/passwd" title="t">link</a>)h"
                                             << R"h(<a title="t">link</a>)h";
        QTest::newRow("pictures") << R"h(x<img src="http://h/a.png"><IMG SRC=http://h/b.png alt=b>y)h" << "xy";
        QTest::newRow("srcset and poster") << R"h(<span srcset="a.png 1x" poster=p.png>s</span>)h" << "<span>s</span>";
        QTest::newRow("css url") << R"h(<td style="background: url('http://h/a.png') no-repeat; color: blue">c</td>)h"
                                 << R"h(<td style="background: none no-repeat; color: blue">c</td>)h";
        QTest::newRow("css image-set") << R"h(<div style="background-image: image-set(&quot;a.png&quot; 1x)">d</div>)h"
                                       << R"h(<div style="background-image: none">d</div>)h";
        QTest::newRow("event attributes") << R"h(<b onclick="go()" ONMOUSEOVER=x>e</b>)h" << "<b>e</b>";
        QTest::newRow("scripts and frames with their content")
            << "a<script>fetch('http://h')</script><iframe src=x>f</iframe><object data=x>o</object>b" << "ab";
        QTest::newRow("loading elements") << R"h(<link rel=stylesheet href=h><meta http-equiv=refresh content="0;url=h"><base href=h>t)h"
                                          << "t";
        QTest::newRow("comments") << "<!--[if gte mso 9]><xml>x</xml><![endif]-->t<!-- c -->" << "t";
        QTest::newRow("background attribute") << R"h(<table background="http://h/t.png"><tr><td>t</td></tr></table>)h"
                                              << "<table><tr><td>t</td></tr></table>";
        QTest::newRow("namespaced reference") << R"h(<use xlink:href="http://h/#a">u</use>)h" << "<use>u</use>";
    }
    void referencesGoTextAndLookStay() {
        QFETCH(QString, html);
        QFETCH(QString, safe);
        QCOMPARE(QString::fromStdString(SafeClipboardHtml(html.toStdString())), safe);
    }

    // The whole route: a hostile report shown, copied, and what lands on the clipboard.
    void copiedHostileReportIsSafeToPaste() {
        QWebEngineView view;
        view.resize(600, 400);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        view.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&view));
        TempDir scratch;
        const std::string report = scratch.Write("wrogi.xml",
            "<?xml version=\"1.0\" encoding=\"windows-1250\"?><Szkola><Doc>Inne informacje</Doc>"
            "<Date>2026-01-22</Date><Belfer>Sikora Pawel</Belfer><Dotyczy>Test</Dotyczy><Info>"
            "<IloscWierszy>1</IloscWierszy><w0>&lt;img src=\"http://127.0.0.1:9/a.png\"&gt;"
            "&lt;a href=\"file:///etc/passwd\"&gt;odno\x9Cnik&lt;/a&gt;</w0></Info></Szkola>");
        QVERIFY(ShowReport(*view.page(), report, scratch.PathOf("Temp.htm")));
        bool ended = false;
        CopyAll(&view, [&](const std::string&) { ended = true; });
        QTRY_VERIFY(ended);
        const QMimeData* copied = QApplication::clipboard()->mimeData();
        QVERIFY(copied->text().contains(QString::fromUtf8("odnośnik")));
        const QString html = copied->html();
        QVERIFY(html.contains(QString::fromUtf8("odnośnik")));
        for (const char* reference : {"src=", "href=", "127.0.0.1", "file:"})
            QVERIFY2(!html.contains(reference, Qt::CaseInsensitive), reference);
    }
};

int RunClipboardHtmlTests(int argc, char* argv[]) {
    ClipboardHtmlTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "clipboard_html_test.moc"
