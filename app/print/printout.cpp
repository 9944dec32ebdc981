#include "printout.h"

#include <QMarginsF>
#include <QTimer>
#include <QWebEnginePage>

#include "pdf_stamp.h"

QPageLayout::Orientation QtOrientation(PageOrientation orientation) {
    return orientation == PageOrientation::Landscape ? QPageLayout::Landscape : QPageLayout::Portrait;
}

QPageLayout PrintLayout(const PrintOptions& options, const QPageSize& paper,
                        QPageLayout::Orientation orientation) {
    const PageMarginsMm& m = options.margins;
    return QPageLayout(paper, orientation, QMarginsF(m.left, m.top, m.right, m.bottom),
                       QPageLayout::Millimeter);
}

PrintoutMaker::PrintoutMaker(QWebEnginePage* page, QObject* parent) : QObject(parent), page_(page) {}

void PrintoutMaker::Make(const PrintOptions& options, const QPageLayout& layout, Ready ready) {
    requests_.push_back({options, layout, std::move(ready)});
    if (!busy_) QTimer::singleShot(0, this, [this] { StartNext(); });
    busy_ = true;
}

void PrintoutMaker::StartNext() {
    if (requests_.empty()) {
        busy_ = false;
        return;
    }
    if (!page_) {
        Finish({});
        return;
    }
    // A page still loading is printed when it has loaded, not half-drawn.
    if (page_->isLoading()) {
        connect(page_, &QWebEnginePage::loadFinished, this, [this] { StartNext(); },
                Qt::SingleShotConnection);
        return;
    }
    QPointer<PrintoutMaker> self(this);
    page_->printToPdf(
        [self](const QByteArray& pdf) {
            if (self) self->Finish(pdf);
        },
        requests_.front().layout);
}

void PrintoutMaker::Finish(const QByteArray& chromiumPdf) {
    Request request = std::move(requests_.front());
    requests_.pop_front();
    QByteArray printout;
    if (!chromiumPdf.isEmpty()) {
        try {
            const std::string stamped =
                StampPageLines(chromiumPdf.toStdString(), request.options);
            printout = QByteArray(stamped.data(), static_cast<qsizetype>(stamped.size()));
        } catch (const std::exception&) {
            printout.clear();  // reported as a failed printout by whoever asked
        }
    }
    QTimer::singleShot(0, this, [this] { StartNext(); });
    request.ready(printout);
}
