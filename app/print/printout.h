#pragma once
// The printout of a web page as PDF bytes: Chromium's vector PDF with the margins of the print
// options, and the header and footer lines written onto its pages.
#include <deque>
#include <functional>

#include <QByteArray>
#include <QObject>
#include <QPageLayout>
#include <QPointer>

#include "print_options.h"

class QWebEnginePage;

// The layout of the printout on the given paper: the options' margins.
QPageLayout PrintLayout(const PrintOptions& options, const QPageSize& paper,
                        QPageLayout::Orientation orientation);
QPageLayout::Orientation QtOrientation(PageOrientation orientation);

class PrintoutMaker : public QObject {
public:
    using Ready = std::function<void(const QByteArray& pdf)>;  // empty when it failed

    explicit PrintoutMaker(QWebEnginePage* page, QObject* parent = nullptr);

    // Chromium makes one PDF at a time; requests made meanwhile wait their turn, and so do
    // requests made while the page loads. `ready` is called from the event loop, never from
    // within this call.
    void Make(const PrintOptions& options, const QPageLayout& layout, Ready ready);

private:
    struct Request {
        PrintOptions options;
        QPageLayout layout;
        Ready ready;
    };

    void StartNext();
    void Finish(const QByteArray& chromiumPdf);

    QPointer<QWebEnginePage> page_;
    std::deque<Request> requests_;
    bool busy_ = false;
};
