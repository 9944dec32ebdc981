#include "printout.h"

#include <QMarginsF>
#include <QWebEnginePage>
#include <QWebEngineScript>

#include <algorithm>
#include <cmath>

#include "pdf_stamp.h"

namespace {

// What takes a line of the printout: every line break, paragraph, list item and table row.
constexpr auto kCountLines = "document.querySelectorAll('br, p, li, tr, div, h1, h2, h3').length";

}  // namespace

QPageLayout::Orientation QtOrientation(PageOrientation orientation) {
    return orientation == PageOrientation::Landscape ? QPageLayout::Landscape : QPageLayout::Portrait;
}

QPageLayout PrintLayout(const PrintOptions& options, const QPageSize& paper,
                        QPageLayout::Orientation orientation) {
    const PageMarginsMm& m = options.margins;
    return QPageLayout(paper, orientation, QMarginsF(m.left, m.top, m.right, m.bottom),
                       QPageLayout::Millimeter);
}

PrintoutMaker::PrintoutMaker(QWebEnginePage* page, QObject* parent) : QObject(parent), page_(page) {
    deadline_.setSingleShot(true);
    deadline_.setInterval(kDeadlineMs);
    connect(&deadline_, &QTimer::timeout, this, [this] { Finish({}); });
}

void PrintoutMaker::Make(const PrintOptions& options, const QPageLayout& layout, Ready ready) {
    requests_.push_back({options, layout, std::move(ready), {}});
    if (!busy_) QTimer::singleShot(0, this, [this] { StartNext(); });
    busy_ = true;
}

void PrintoutMaker::LoadAfterPrintouts(std::function<void()> load) {
    if (!busy_) return BeginLoad(load);
    requests_.push_back({{}, {}, {}, std::move(load)});
}

// The page tells that it loads only some time after it was asked to: until it has finished,
// a printout would show the page before.
void PrintoutMaker::BeginLoad(const std::function<void()>& load) {
    if (page_) {
        loadPending_ = true;
        connect(page_, &QWebEnginePage::loadFinished, this, [this] { loadPending_ = false; },
                Qt::SingleShotConnection);
    }
    load();
}

void PrintoutMaker::StartNext() {
    while (!requests_.empty() && requests_.front().load) {
        const std::function<void()> load = std::move(requests_.front().load);
        requests_.pop_front();
        BeginLoad(load);
    }
    if (requests_.empty()) {
        busy_ = false;
        return;
    }
    if (!page_) return Finish({});
    const unsigned attempt = ++attempt_;
    deadline_.start();
    // A page still loading is printed when it has loaded, not half-drawn.
    if (loadPending_ || page_->isLoading()) {
        connect(page_, &QWebEnginePage::loadFinished, this,
                [this, attempt] {
                    if (attempt == attempt_) StartNext();
                },
                Qt::SingleShotConnection);
        return;
    }
    // The page's lines are counted first, in the program's own script world, for the deadline.
    QPointer<PrintoutMaker> self(this);
    page_->runJavaScript(QString::fromLatin1(kCountLines), QWebEngineScript::ApplicationWorld,
                         [self, attempt](const QVariant& lines) {
                             if (self && attempt == self->attempt_) self->Print(attempt, lines.toInt());
                         });
}

void PrintoutMaker::Print(unsigned attempt, int lines) {
    if (!page_) return Finish({});
    const double sheets = std::ceil(std::max(lines, 0) / double(kLinesPerSheet));
    deadline_.start(kDeadlineMs + static_cast<int>(std::min(sheets * kDeadlinePerSheetMs, double(kLongestDeadlineMs))));
    QPointer<PrintoutMaker> self(this);
    page_->printToPdf(
        [self, attempt](const QByteArray& pdf) {
            if (self && attempt == self->attempt_) self->Finish(pdf);
        },
        requests_.front().layout);
}

void PrintoutMaker::Finish(const QByteArray& chromiumPdf) {
    deadline_.stop();
    ++attempt_;  // whatever still comes for this request is too late
    Request request = std::move(requests_.front());
    requests_.pop_front();
    QByteArray printout;
    if (!chromiumPdf.isEmpty()) {
        if (page_ && request.options.title.empty()) request.options.title = page_->title().toStdString();
        try {
            const std::string stamped = StampPageLines(chromiumPdf.toStdString(), request.options);
            printout = QByteArray(stamped.data(), static_cast<qsizetype>(stamped.size()));
        } catch (const std::exception&) {
            printout.clear();  // reported as a failed printout by whoever asked
        }
    }
    QTimer::singleShot(0, this, [this] { StartNext(); });
    request.ready(printout);
}
