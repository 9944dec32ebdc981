#include "printout_check.h"

#include <iostream>

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QUrl>
#include <QWebEnginePage>

#include "program_state.h"
#include "qt_locale.h"
#include "report_opener.h"
#include "terminal_shell.h"

namespace {

constexpr double kMargin = 19.05 * 72 / 25.4;
constexpr double kSlack = 1.0;  // Chromium rounds margins to whole points

}  // namespace

QString PrintedPage::Text() const {
    QString text;
    for (const PrintedWord& word : words) text += word.text + ' ';
    return text;
}

QList<PrintedPage> ReadPrintout(const QString& pdfPath) {
    QProcess pdftotext;
    pdftotext.start("pdftotext", {"-bbox", pdfPath, "-"});
    pdftotext.waitForFinished(30000);
    // Poppler reads past many faults, and drops what it cannot read: any complaint fails.
    const QByteArray complaints = pdftotext.readAllStandardError();
    if (pdftotext.exitCode() != 0 || !complaints.isEmpty()) {
        std::cerr << "pdftotext " << pdfPath.toStdString() << ": " << complaints.toStdString() << '\n';
        return {};
    }
    const QString xhtml = QString::fromUtf8(pdftotext.readAllStandardOutput());
    static const QRegularExpression pagePattern(R"re(<page width="([\d.]+)" height="([\d.]+)">)re");
    static const QRegularExpression wordPattern(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re");
    QList<PrintedPage> pages;
    for (const QString& part : xhtml.split("</page>")) {
        const auto page = pagePattern.match(part);
        if (!page.hasMatch()) continue;
        PrintedPage printed{page.captured(1).toDouble(), page.captured(2).toDouble(), {}};
        for (auto it = wordPattern.globalMatch(part); it.hasNext();) {
            const auto word = it.next();
            printed.words.append({word.captured(5), word.captured(1).toDouble(), word.captured(2).toDouble(),
                                  word.captured(3).toDouble(), word.captured(4).toDouble()});
        }
        pages.append(printed);
    }
    return pages;
}

QList<double> LinePitches(const PrintedPage& page, const QString& lineStart) {
    QList<double> tops;
    for (const PrintedWord& word : page.words)
        if (word.text == lineStart) tops.append(word.yMin);
    QList<double> pitches;
    for (int i = 1; i < tops.size(); ++i) pitches.append(tops[i] - tops[i - 1]);
    return pitches;
}

QString CheckFootOfBodyBlank(const QString& pdfPath) {
    constexpr int kDotsPerInch = 150;
    constexpr double kDotsPerPoint = kDotsPerInch / 72.0;
    QProcess pdftoppm;
    pdftoppm.start("pdftoppm", {"-gray", "-r", QString::number(kDotsPerInch), pdfPath});
    pdftoppm.waitForFinished(60000);
    QByteArray all = pdftoppm.readAllStandardOutput();
    int page = 0;
    while (!all.isEmpty()) {
        ++page;
        // "P5\n<width> <height>\n255\n" and the pixels
        const QList<QByteArray> header = all.left(64).split('\n');
        if (header.size() < 4 || header[0] != "P5") return "pdftoppm gave no picture";
        const QList<QByteArray> size = header[1].split(' ');
        const int width = size[0].toInt(), height = size[1].toInt();
        const qsizetype start = header[0].size() + header[1].size() + header[2].size() + 3;
        const QByteArray pixels = all.mid(start, qsizetype(width) * height);
        // The last point above the bottom margin: below the last line, above the next page's first.
        const int bodyFoot = int((height / kDotsPerPoint - kMargin) * kDotsPerPoint);
        for (int y = bodyFoot - int(kDotsPerPoint); y < bodyFoot; ++y)
            for (int x = 0; x < width; ++x)
                if (uchar(pixels[y * width + x]) < 250)
                    return QString("page %1: ink at the foot of the body at %2,%3").arg(page).arg(x).arg(y);
        all.remove(0, start + qsizetype(width) * height);
    }
    return page == 0 ? "no pages" : QString();
}

QString CheckPrintout(const QList<PrintedPage>& pages, int firstNumber) {
    if (pages.isEmpty()) return "no pages";
    for (int i = 0; i < pages.size(); ++i) {
        const PrintedPage& page = pages[i];
        const int number = firstNumber + i;
        const QString where = QString("page %1: ").arg(number);
        QString footer, body;
        double footerLeft = page.width, footerRight = 0;
        for (const PrintedWord& word : page.words) {
            if (word.yMax < kMargin + kSlack) return where + "text in the top margin: " + word.text;
            if (word.yMin > page.height - kMargin - kSlack) {
                footer += word.text + ' ';
                footerLeft = std::min(footerLeft, word.xMin);
                footerRight = std::max(footerRight, word.xMax);
                continue;
            }
            if (word.xMin < kMargin - kSlack || word.xMax > page.width - kMargin + kSlack ||
                word.yMax > page.height - kMargin + kSlack)
                return where + "text outside the margins: " + word.text;
            body += word.text + ' ';
        }
        if (footer != QString("- Str. %1 - ").arg(number)) return where + "footer \"" + footer + "\"";
        if (std::abs((footerLeft + footerRight) / 2 - page.width / 2) > 3)
            return where + "footer not centred";
        if (body.isEmpty()) return where + "no page text";
    }
    return {};
}

bool ShowReport(QWebEnginePage& page, const std::string& report, const std::string& pageFile) {
    ProgramState state;
    state.PageFilePath = pageFile;
    TerminalShell shell(std::cerr);
    QtLocale locale;
    if (ReportOpener(state, shell, locale).OpenChosenFile(report) != ReportOutcome::Shown) return false;
    QSignalSpy loaded(&page, &QWebEnginePage::loadFinished);
    page.load(QUrl::fromLocalFile(QFile::decodeName(pageFile.c_str())));
    return loaded.wait(20000) && loaded.first().first().toBool();
}
