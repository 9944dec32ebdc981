// The ink of the lines at a page break, on paper (rasterised at 300 dpi): the first and the last
// line of a page reach as far as the same line does in the middle of a page.
#include <cmath>
#include <memory>
#include <optional>

#include <QImage>
#include <QPdfDocument>
#include <QSignalSpy>
#include <QTest>
#include <QWebEnginePage>

#include "long_report.h"
#include "page_printer.h"
#include "printout_check.h"
#include "recording_shell.h"
#include "temp_dir.h"

namespace {

constexpr int kDotsPerInch = 300;
constexpr double kDotsPerPoint = kDotsPerInch / 72.0;
constexpr double kMarginPoints = 19.05 * 72 / 25.4;
constexpr double kCssPixelPoints = 0.75;

// The row where a word's ink begins (top) or ends, counted from that edge of its box. Rows a
// point beyond the box count, as far as accents rise and descenders reach; the line above (or
// below) stays out of reach where it has no descenders (or accents) of its own.
std::optional<int> InkEdge(const QImage& page, const PrintedWord& word, bool top) {
    constexpr double kReach = 1.0;
    const double middle = (word.yMin + word.yMax) / 2;
    const int from = int((top ? word.yMin - kReach : middle) * kDotsPerPoint);
    const int to = int((top ? middle : word.yMax + kReach) * kDotsPerPoint);
    const int edge = int(std::lround((top ? word.yMin : word.yMax) * kDotsPerPoint));
    std::optional<int> found;
    for (int y = std::max(from, 0); y <= std::min(to, page.height() - 1); ++y)
        for (int x = int(word.xMin * kDotsPerPoint); x <= int(word.xMax * kDotsPerPoint); ++x) {
            const QRgb pixel = page.pixel(x, y);
            if (qAlpha(pixel) < 128 || qGray(pixel) > 127) continue;  // pdfium leaves the margins transparent
            if (!found || !top) found = y - edge;
            break;
        }
    return found;
}

QList<const PrintedWord*> WordsOf(const PrintedPage& page, const QString& text) {
    QList<const PrintedWord*> words;
    for (const PrintedWord& word : page.words)
        if (word.text == text) words.append(&word);
    return words;
}

QString Describe(int page, const char* line, std::optional<int> edge) {
    return QString("page %1, %2 line: ").arg(page).arg(line) +
           (edge ? QString("ink edge at %1").arg(*edge) : QString("no ink"));
}

// Empty when the word's ink on the first (or last) line of the pages asked for starts (or
// ends) where it does on a line in the middle of that page, to a dot; else what differs.
QString CompareWithMidPage(const QString& pdfPath, const QString& text, bool firstLine, QList<int> pages) {
    const QList<PrintedPage> printed = ReadPrintout(pdfPath);
    QPdfDocument document;
    if (document.load(pdfPath) != QPdfDocument::Error::None) return "QPdfDocument cannot read it";
    for (const int number : pages) {
        if (number > printed.size()) return QString("no page %1").arg(number);
        const QList<const PrintedWord*> words = WordsOf(printed[number - 1], text);
        if (words.size() < 3) return QString("page %1: too few lines").arg(number);
        const QSizeF size = document.pagePointSize(number - 1) * kDotsPerPoint;
        const QImage image = document.render(number - 1, size.toSize());
        const auto edge = InkEdge(image, firstLine ? *words.first() : *words.last(), firstLine);
        const auto middle = InkEdge(image, *words[words.size() / 2], firstLine);
        if (!edge || !middle || std::abs(*edge - *middle) > 1)
            return Describe(number, firstLine ? "first" : "last", edge) + "; " + Describe(number, "middle", middle);
    }
    return {};
}

// A page of lines in the page font, 16 px apart, below a gap of `gapPx`.
std::string PageOfLines(int gapPx, int lines) {
    std::string html = "<html><head><meta charset=\"utf-8\"></head><body style=\"margin:0; font:10pt tahoma\">"
                       "<div style=\"height:" + std::to_string(gapPx) + "px\"></div>";
    for (int i = 0; i < lines; ++i) html += "<div>g\u0105szcz pyj\u0119 " + std::to_string(i) + "</div>";
    return html + "</body></html>";
}

}  // namespace

class PageBreakInkTest : public QObject {
    Q_OBJECT
private slots:
    // The accents of capitals rise above the line: on the first line of a page too.
    void firstLinesKeepTheirAccents() {
        std::string report = LongReport(kLines);
        for (std::size_t at = 0; (at = report.find(">Wiersz", at)) != std::string::npos;)
            report.replace(at, 7, ">\x8F" "d\x9F" "b\xB3o");  // Źdźbło
        QVERIFY(ShowReport(page_, scratch_.Write("akcenty.xml", report), scratch_.PathOf("akcenty.htm")));
        const QString pdf = Print("akcenty.pdf");
        QVERIFY(ReadPrintout(pdf).size() >= 3);
        QCOMPARE(CompareWithMidPage(pdf, QString::fromUtf8("\u0179d\u017ab\u0142o"), true, {2, 3}), QString());
    }

    // Descenders reach to the foot of the line box: a page whose last line ends right at the
    // break keeps them whole. The gap above the lines is measured from a first printout.
    void lastLineKeepsItsDescenders() {
        const QString word = QString::fromUtf8("g\u0105szcz");
        const double bodyFoot = 841.92 - kMarginPoints;  // A4
        QVERIFY(Load(PageOfLines(0, kLines)));
        const QList<PrintedPage> plain = ReadPrintout(Print("plain.pdf"));
        QVERIFY(!plain.isEmpty() && !WordsOf(plain.first(), word).isEmpty());
        const int gap = int(std::lround((bodyFoot - WordsOf(plain.first(), word).last()->yMax) / kCssPixelPoints));

        QVERIFY(Load(PageOfLines(gap, kLines)));
        const QString pdf = Print("at-the-break.pdf");
        const QList<PrintedPage> printed = ReadPrintout(pdf);
        QVERIFY(!printed.isEmpty() && !WordsOf(printed.first(), word).isEmpty());
        QVERIFY2(std::abs(WordsOf(printed.first(), word).last()->yMax - bodyFoot) < kCssPixelPoints,
                 "the page's last line does not end at the break");
        QCOMPARE(CompareWithMidPage(pdf, word, false, {1}), QString());
    }

private:
    static constexpr int kLines = 150;

    bool Load(const std::string& html) {
        QSignalSpy loaded(&page_, &QWebEnginePage::loadFinished);
        page_.load(QUrl::fromLocalFile(QString::fromStdString(scratch_.Write("lines.htm", html))));
        return loaded.wait(20000) && loaded.first().first().toBool();
    }

    QString Print(const char* name) {
        const QString path = QString::fromStdString(scratch_.PathOf(name));
        auto written = std::make_shared<std::optional<bool>>();
        printer_.WritePdf(path, [written](bool ok) { *written = ok; });
        return QTest::qWaitFor([&] { return written->has_value(); }, 30000) && **written ? path : QString();
    }

    TempDir scratch_;
    QWebEnginePage page_;
    RecordingShell shell_;
    PagePrinter printer_{&page_, nullptr, shell_};
};

int RunPageBreakInkTests(int argc, char* argv[]) {
    PageBreakInkTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "page_break_ink_test.moc"
