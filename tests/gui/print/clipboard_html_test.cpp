// What the copy command leaves on the clipboard as HTML: the text and its look, and nothing a
// mail or office program would fetch when it is pasted.
#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <QTest>
#include <QWebEngineView>

#include "clipboard_html.h"
#include "copy_all.h"
#include "local_file_interceptor.h"
#include "printout_check.h"
#include "safe_page.h"
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
        QTest::newRow("css url")
            << R"h(<table><tr><td style="background: url('http://h/a.png') no-repeat; color: blue">c</td></tr></table>)h"
            << R"h(<table><tbody><tr><td style="color: blue">c</td></tr></tbody></table>)h";
        QTest::newRow("css image-set") << R"h(<div style="background-image: image-set(&quot;a.png&quot; 1x)">d</div>)h"
                                       << "<div>d</div>";
        QTest::newRow("event attributes") << R"h(<b onclick="go()" ONMOUSEOVER=x>e</b>)h" << "<b>e</b>";
        QTest::newRow("scripts and frames with their content")
            << "a<script>fetch('http://h')</script><iframe src=x>f</iframe><object data=x>o</object>b" << "ab";
        QTest::newRow("loading elements") << R"h(<link rel=stylesheet href=h><meta http-equiv=refresh content="0;url=h"><base href=h>t)h"
                                          << "t";
        QTest::newRow("comments") << "<!--[if gte mso 9]><xml>x</xml><![endif]-->t<!-- c -->" << "t";
        QTest::newRow("background attribute") << R"h(<table background="http://h/t.png"><tr><td>t</td></tr></table>)h"
                                              << "<table><tbody><tr><td>t</td></tr></tbody></table>";
        QTest::newRow("namespaced reference") << R"h(<use xlink:href="http://h/#a">u</use>)h" << "u";

        // A CSS function is a CSS function however it is spelt.
        QTest::newRow("css escape in url") << "<ul style=\"list-style:u\\72 l(http://a)\"><li>l</li></ul>"
                                           << "<ul><li>l</li></ul>";
        QTest::newRow("css parenthesis by number") << R"h(<p style="background:url&#40;http://a)">p</p>)h" << "<p>p</p>";
        QTest::newRow("css parenthesis by name") << R"h(<p style="color: blue; background:url&lpar;http://a)">p</p>)h"
                                                 << R"h(<p style="color: blue">p</p>)h";
        // Raw text that a later parser would end early, reading what follows as markup.
        QTest::newRow("xmp") << R"h(<xmp><p title="</xmp><img src=http://a>">)h" << R"h(<pre>&lt;p title="</pre>"&gt;)h";
        QTest::newRow("textarea") << R"h(<textarea><p title="</textarea><img src=http://a>"></textarea>)h"
                                  << R"h(<pre>&lt;p title="</pre>"&gt;)h";
        QTest::newRow("noscript read with scripts on")
            << R"h(<noscript><p title="</noscript><img src=http://a>">n</p></noscript>)h"
            << R"h(<p title="&lt;/noscript&gt;&lt;img src=http://a&gt;">n</p>)h";

        // What the view shows stays, with its look.
        QTest::newRow("math text") << "<p><math><mi>x</mi><mo>=</mo><mtext><b>dwa</b></mtext></math> q</p>"
                                   << "<p>x=<b>dwa</b> q</p>";
        QTest::newRow("noscript table")
            << R"h(<noscript><table border=1><tr><td align="right" style="COLOR: rgb(255, 0, 0);font-weight:bold">7</td></tr></table></noscript>)h"
            << R"h(<table border="1"><tbody><tr><td align="right" style="color: rgb(255, 0, 0); font-weight: bold">7</td></tr></tbody></table>)h";
    }
    void referencesGoTextAndLookStay() {
        QFETCH(QString, html);
        QFETCH(QString, safe);
        QCOMPARE(QString::fromStdString(SafeClipboardHtml(html.toStdString())), safe);
    }

    // The whole route: a hostile report shown as the viewer shows it (no scripts), copied, and
    // what lands on the clipboard.
    void copiedHostileReportIsSafeToPaste() {
        QWebEngineView view;
        TempDir scratch;
        auto* page = new SafePage(&view);
        page->Interceptor()->SetAllowedFolder(QString::fromStdString(scratch.path().string()));
        view.setPage(page);
        view.resize(600, 400);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        view.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&view));
        const std::string report = scratch.Write("wrogi.xml",
            "<?xml version=\"1.0\" encoding=\"windows-1250\"?><Szkola><Doc>Inne informacje</Doc>"
            "<Date>2026-01-22</Date><Belfer>Sikora Pawel</Belfer><Dotyczy>Test</Dotyczy><Info>"
            "<IloscWierszy>1</IloscWierszy><w0>&lt;img src=\"http://127.0.0.1:9/a.png\"&gt;"
            "&lt;a href=\"file:///etc/passwd\"&gt;odno\x9Cnik&lt;/a&gt;&lt;math&gt;&lt;mi&gt;wzor&lt;/mi&gt;&lt;/math&gt;"
            "&lt;noscript&gt;bez skryptow&lt;/noscript&gt;</w0></Info></Szkola>");
        QVERIFY(ShowReport(*view.page(), report, scratch.PathOf("Temp.htm")));
        bool ended = false;
        CopyAll(&view, [&](const std::string&) { ended = true; });
        QTRY_VERIFY(ended);
        const QMimeData* copied = QApplication::clipboard()->mimeData();
        QVERIFY(copied->text().contains(QString::fromUtf8("odnośnik")));
        const QString html = copied->html();
        for (const char* shown : {"odnośnik", "wzor", "bez skryptow"})
            QVERIFY2(html.contains(QString::fromUtf8(shown)), shown);
        for (const char* reference : {"src=", "href=", "127.0.0.1", "file:"})
            QVERIFY2(!html.contains(reference, Qt::CaseInsensitive), reference);
    }
};

int RunClipboardHtmlTests(int argc, char* argv[]) {
    ClipboardHtmlTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "clipboard_html_test.moc"
