#pragma once
// Reading printouts back with poppler's pdftotext, and building report pages to print.
#include <string>

#include <QList>
#include <QString>

class QWebEnginePage;

struct PrintedWord {
    QString text;
    double xMin, yMin, xMax, yMax;  // points, from the top left corner
};

struct PrintedPage {
    double width = 0, height = 0;
    QList<PrintedWord> words;
    QString Text() const;  // the words, each followed by a space
};

// Every page's words as pdftotext finds them: a page drawn as a picture has none. No pages at
// all when poppler complains about the file (its complaint goes to standard error).
QList<PrintedPage> ReadPrintout(const QString& pdfPath);

// The distances between the tops of the lines that begin with this word, in points.
QList<double> LinePitches(const PrintedPage& page, const QString& lineStart);

// Empty when every page has the footer " - Str. N - " (N its number, counted from firstNumber)
// centred in its bottom margin, nothing in its top margin, and everything else inside the
// 19.05 mm margins; else what is wrong.
QString CheckPrintout(const QList<PrintedPage>& pages, int firstNumber = 1);

// Empty when no page has ink in the last point of its body, where only the top of the next
// page's first line could be; else where.
QString CheckFootOfBodyBlank(const QString& pdfPath);

// Builds the viewer's page for a report file into pageFile (through the real pipeline) and
// loads it into the page; false when either failed.
bool ShowReport(QWebEnginePage& page, const std::string& report, const std::string& pageFile);
