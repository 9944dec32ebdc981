#pragma once
// The printout of a web page as PDF bytes: Chromium's vector PDF with the margins of the print
// options, and the header and footer lines written onto its pages.
#include <deque>
#include <functional>

#include <QByteArray>
#include <QObject>
#include <QPageLayout>
#include <QPointer>
#include <QTimer>

#include "print_options.h"

class QWebEnginePage;

// The layout of the printout on the given paper: the options' margins.
QPageLayout PrintLayout(const PrintOptions& options, const QPageSize& paper,
                        QPageLayout::Orientation orientation);
QPageLayout::Orientation QtOrientation(PageOrientation orientation);

class PrintoutMaker : public QObject {
public:
    using Ready = std::function<void(const QByteArray& pdf)>;  // empty when it failed

    // How long Chromium may take over one printout once the page has loaded: this much, and
    // this much more for every sheet's worth of lines the page holds (it takes about 70 ms a
    // sheet), up to the longest. A page built to hang Chromium is given up; a long report is
    // printed whole.
    static constexpr int kDeadlineMs = 10000;
    static constexpr int kDeadlinePerSheetMs = 250;
    static constexpr int kLinesPerSheet = 60;
    static constexpr int kLongestDeadlineMs = 30 * 60 * 1000;

    explicit PrintoutMaker(QWebEnginePage* page, QObject* parent = nullptr);

    // Chromium makes one PDF at a time; requests made meanwhile wait their turn, and so do
    // requests made while the page loads. `ready` is called from the event loop, never from
    // within this call.
    void Make(const PrintOptions& options, const QPageLayout& layout, Ready ready);
    // Calls `load`, which starts loading a new page into the web page, once every printout
    // asked for so far has been made: at once when none is waiting. Printouts asked for later
    // wait until that load has finished. So each printout shows the page as it was when it
    // was asked for.
    void LoadAfterPrintouts(std::function<void()> load);

private:
    struct Request {
        PrintOptions options;
        QPageLayout layout;
        Ready ready;
        std::function<void()> load;  // set for a load, empty for a printout
    };

    void BeginLoad(const std::function<void()>& load);
    void StartNext();
    void Finish(const QByteArray& chromiumPdf);

    QPointer<QWebEnginePage> page_;
    std::deque<Request> requests_;
    bool busy_ = false;
    bool loadPending_ = false;  // a load was asked for and has not finished
    unsigned attempt_ = 0;  // tells a late answer from the one awaited
    void Print(unsigned attempt, int lines);

    QTimer deadline_;
};
