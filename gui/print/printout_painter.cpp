#include "printout_painter.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QPdfDocument>
#include <QPrinter>

bool DrawPrintout(QPrinter& printer, const QByteArray& printout, int dotsPerInch) {
    QByteArray bytes = printout;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QPdfDocument document;
    document.load(&buffer);
    if (document.status() != QPdfDocument::Status::Ready) return false;

    printer.setFullPage(true);  // the printout carries its own margins
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    const double dpi = static_cast<double>(dotsPerInch);
    const QRectF paper(QPointF(0, 0), printer.pageLayout().fullRectPixels(printer.resolution()).size());
    for (int page = 0; page < document.pageCount(); ++page) {
        if (page > 0) printer.newPage();
        const QSizeF points = document.pagePointSize(page);
        const QSize pixels(qRound(points.width() / 72.0 * dpi), qRound(points.height() / 72.0 * dpi));
        painter.drawImage(paper, document.render(page, pixels));
    }
    return painter.end();
}
