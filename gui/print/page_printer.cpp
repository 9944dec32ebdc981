#include "page_printer.h"

#include <QFile>
#include <QPageRanges>
#include <QPaintEngine>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPrinterInfo>
#include <QWebEnginePage>

#include "code_page.h"
#include "cups_submission.h"
#include "file_access.h"
#include "page_range_dialog.h"
#include "print_delivery.h"
#include "pdf_stamp.h"
#include "print_messages.h"
#include "printout.h"
#include "printout_painter.h"
#include "press_route.h"
#include "shell.h"
#include "utf8.h"

namespace {

// Sharp enough on screen at the preview's zoom levels, and quick to draw.
constexpr int kPreviewDotsPerInch = 150;
constexpr const char* kUntitledJob = "Ulnik";

// The default printer, else any printer; null when the system has none.
QPrinterInfo TargetPrinter() {
    const QPrinterInfo byDefault = QPrinterInfo::defaultPrinter();
    if (!byDefault.isNull()) return byDefault;
    const QList<QPrinterInfo> all = QPrinterInfo::availablePrinters();
    return all.isEmpty() ? QPrinterInfo() : all.first();
}

bool SamePaper(const QPageLayout& a, const QPageLayout& b) {
    return a.pageSize().isEquivalentTo(b.pageSize()) && a.orientation() == b.orientation();
}

int PagesOf(const QByteArray& printout) {
    try {
        return CountPages(printout.toStdString());
    } catch (const std::exception&) {
        return 0;
    }
}

}  // namespace

// The printout a preview shows, and the paper it was made for.
struct PagePrinter::PreviewState {
    QByteArray printout;
    QPageLayout layout;
    bool remaking = false;
    QPointer<QPrintPreviewDialog> dialog;
};

PagePrinter::PagePrinter(QWebEnginePage* page, QWidget* parent, Shell& shell)
    : QObject(parent), page_(page), parent_(parent), shell_(shell), jobTimeLimitMs_(kCupsJobMs),
      maker_(new PrintoutMaker(page, this)) {}

PagePrinter::~PagePrinter() = default;

void PagePrinter::Press(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers,
                        bool secondPressOfDoubleClick) {
    switch (RouteForPress(buttons, modifiers, secondPressOfDoubleClick)) {
    case PrintRoute::Preview: Preview(); break;
    case PrintRoute::ChoosePrinter: Print(true); break;
    case PrintRoute::PrintAtOnce: Print(false); break;
    }
}

void PagePrinter::LoadAfterPrintouts(std::function<void()> load) {
    maker_->LoadAfterPrintouts(std::move(load));
}

bool PagePrinter::HasPage() const { return page_ && !page_->url().isEmpty(); }

PrintOptions PagePrinter::PageOptions() const { return cutOff_ ? CutOffPrintOptions(options_) : options_; }

void PagePrinter::Say(const AnsiText& text) {
    shell_.ShowMessageBox(StyleZamknij, IconInformacja, text);
}

void PagePrinter::Finish(PrintOutcome outcome) { emit finished(outcome); }

// The printout is made before any dialog: the printer dialog needs its number of pages for
// its page field, and a long printout is asked about before it goes to the printer.
void PagePrinter::Print(bool showDialog) {
    if (!HasPage()) return Finish(PrintOutcome::NoPage);
    const QPrinterInfo target = TargetPrinter();
    if (target.isNull()) {
        Say(print_messages::kNoPrinter);
        return Finish(PrintOutcome::NoPrinter);
    }
    auto printer = std::make_shared<QPrinter>(target, QPrinter::HighResolution);
    printer->setPageLayout(PrintLayout(options_, printer->pageLayout().pageSize(),
                                       QtOrientation(options_.orientation)));
    MakeFor(printer, [this, printer, showDialog](const QByteArray& printout) {
        if (printout.isEmpty()) {
            Say(print_messages::kPrintoutFailed);
            return Finish(PrintOutcome::Failed);
        }
        if (showDialog)
            OpenPrintDialog(printer, printout);
        else
            PrintAtOnce(printer, printout);
    });
}

void PagePrinter::MakeFor(const PrinterPtr& printer, std::function<void(const QByteArray&)> then) {
    const QPageLayout chosen = printer->pageLayout();
    maker_->Make(PageOptions(), PrintLayout(options_, chosen.pageSize(), chosen.orientation()), std::move(then));
}

void PagePrinter::PrintAtOnce(const PrinterPtr& printer, const QByteArray& printout) {
    const int pages = PagesOf(printout);
    if (pages > kPagesPrintedWithoutAsking &&
        shell_.ShowMessageBox(StyleTakNieAnuluj, IconPytanie, print_messages::LongPrintoutQuestion(pages)) !=
            ChoiceTak)
        return Finish(PrintOutcome::Cancelled);
    Deliver(printer, printout);
}

void PagePrinter::OpenPrintDialog(const PrinterPtr& printer, const QByteArray& printout) {
    auto* dialog = new PageRangeDialog(printer.get(), PagesOf(printout), shell_, parent_);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    FocusBackOnClose(dialog);
    if (!allReports_.empty()) dialog->OfferAllReports(int(allReports_.size()));
    const QPageLayout madeFor = printer->pageLayout();
    connect(dialog, &QDialog::finished, this, [this, dialog, printer, printout, madeFor](int result) {
        if (result != QDialog::Accepted) return Finish(PrintOutcome::Cancelled);
        if (dialog->AllReportsChosen()) return PrintAllReports(printer);
        if (SamePaper(printer->pageLayout(), madeFor)) return Deliver(printer, printout);
        // Other paper chosen in the dialog: the printout is laid out again for it.
        MakeFor(printer, [this, printer](const QByteArray& remade) { Deliver(printer, remade); });
    });
    dialog->open();
}

// Every report of the list in a page of its own, never the window's; the list's folder is not
// followed meanwhile (allReportsBusy), and what could not be printed is named once, at the end.
void PagePrinter::PrintAllReports(const PrinterPtr& printer) {
    allReportsPrintout_ = std::make_unique<AllReportsPrintout>(allReports_, options_, printer->pageLayout());
    emit allReportsBusy(true);
    allReportsPrintout_->Start([this, printer](const AllReportsResult& result) {
        // Deleted from the event loop: this is its own call.
        allReportsPrintout_.release()->deleteLater();
        emit allReportsBusy(false);
        AllReportsPrinted(printer, result);
    });
}

void PagePrinter::AllReportsPrinted(const PrinterPtr& printer, const AllReportsResult& result) {
    if (result.pdf.empty()) {
        Say(print_messages::NoReportPrinted(result.leftOut));
        return Finish(PrintOutcome::Failed);
    }
    if (!result.leftOut.empty()) Say(print_messages::ReportsLeftOut(result.leftOut));
    Deliver(printer, QByteArray::fromStdString(result.pdf), QString::fromUtf8(kAllReportsTitle));
}

// Which pages (the printer's range of the printout), then where they go (the dialog's file or
// a CUPS job); the outcome's message is print_delivery's.
void PagePrinter::Deliver(const PrinterPtr& printer, const QByteArray& printout, const QString& title) {
    if (printout.isEmpty()) {
        Say(print_messages::kPrintoutFailed);
        return Finish(PrintOutcome::Failed);
    }
    std::string pages = PagesToPrint(printout.toStdString(), *printer);
    if (pages.empty()) {
        Say(MessageFor(Delivery{DeliveryKind::NoPagesInRange, {}}));
        return Finish(PrintOutcome::Failed);
    }
    if (printer->outputFileName().isEmpty()) return SendToCups(printer, std::move(pages), title);
    const Delivery written = WriteToFile(printer->outputFileName(), pages);
    if (written.kind != DeliveryKind::Done) {
        Say(MessageFor(written));
        return Finish(PrintOutcome::Failed);
    }
    emit delivered(SavedNotice(printer->outputFileName()));
    Finish(PrintOutcome::Printed);
}

void PagePrinter::SendToCups(const PrinterPtr& printer, std::string pages, const QString& title) {
    const QString named = !title.isEmpty() ? title : jobTitle_.isEmpty() ? QString::fromLatin1(kUntitledJob) : jobTitle_;
    const int count = PagesOf(QByteArray::fromStdString(pages));
    SubmitToCups(JobFor(*printer, named), std::move(pages), jobTimeLimitMs_, this, [this, count](const CupsOutcome& outcome) {
        const Delivery sent = DeliveryOf(outcome);
        if (sent.kind != DeliveryKind::Done) {
            Say(MessageFor(sent));
            return Finish(PrintOutcome::Failed);
        }
        emit delivered(SentNotice(count));
        Finish(PrintOutcome::Printed);
    });
}

// However a dialog ends (its own print button, a key, the window's ×), the window it was opened
// over has the keys again: a window manager may leave the focus nowhere once the preview and
// its printer dialog have both closed.
void PagePrinter::FocusBackOnClose(QDialog* dialog) {
    connect(dialog, &QDialog::finished, this, [owner = QPointer<QWidget>(parent_)] {
        if (!owner) return;
        owner->window()->activateWindow();
        owner->setFocus(Qt::OtherFocusReason);
    });
}

void PagePrinter::Preview() {
    if (!HasPage()) return;
    const QPrinterInfo target = TargetPrinter();
    auto printer = target.isNull() ? std::make_shared<QPrinter>(QPrinter::HighResolution)
                                   : std::make_shared<QPrinter>(target, QPrinter::HighResolution);
    printer->setPageLayout(PrintLayout(options_, printer->pageLayout().pageSize(),
                                       QtOrientation(options_.orientation)));
    MakeFor(printer, [this, printer](const QByteArray& printout) {
        if (printout.isEmpty())
            Say(print_messages::kPrintoutFailed);
        else
            OpenPreview(printer, printout);
    });
}

void PagePrinter::OpenPreview(const PrinterPtr& printer, const QByteArray& printout) {
    auto state = std::make_shared<PreviewState>();
    state->printout = printout;
    state->layout = printer->pageLayout();
    auto* dialog = new QPrintPreviewDialog(printer.get(), parent_);
    state->dialog = dialog;
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    FocusBackOnClose(dialog);
    connect(dialog, &QPrintPreviewDialog::paintRequested, this,
            [this, state, printer](QPrinter*) { PaintRequested(state, printer); });
    dialog->setWindowState(Qt::WindowMaximized);
    dialog->open();
}

// The preview asks for pages whenever it shows them, also after a change of paper or
// orientation: then the printout is made again for the new paper, and the preview is
// redrawn when it is ready. The preview's own print button ends here too, outside preview
// mode, and prints the printout like the printer dialog does.
void PagePrinter::PaintRequested(const std::shared_ptr<PreviewState>& state, const PrinterPtr& printer) {
    const bool previewing =
        printer->paintEngine() && printer->paintEngine()->type() == QPaintEngine::Picture;
    if (SamePaper(printer->pageLayout(), state->layout)) {
        if (!previewing) return Deliver(printer, state->printout);
        if (!DrawPrintout(*printer, state->printout, kPreviewDotsPerInch)) Say(print_messages::kPrintoutFailed);
        return;
    }
    if (state->remaking && previewing) return;
    state->remaking = true;
    const QPageLayout wanted = printer->pageLayout();
    MakeFor(printer, [this, state, wanted, previewing, printer](const QByteArray& printout) {
        state->remaking = false;
        if (printout.isEmpty()) return Say(print_messages::kPrintoutFailed);
        state->printout = printout;
        state->layout = wanted;
        if (!previewing) return Deliver(printer, printout);
        if (state->dialog)
            if (auto* widget = state->dialog->findChild<QPrintPreviewWidget*>()) widget->updatePreview();
    });
}

void PagePrinter::WritePdf(const QString& path, std::function<void(bool written)> done) {
    if (!HasPage()) return done(false);
    const QPageLayout layout =
        PrintLayout(options_, QPageSize(QPageSize::A4), QtOrientation(options_.orientation));
    maker_->Make(PageOptions(), layout, [path, done](const QByteArray& printout) {
        done(!printout.isEmpty() && WriteToFile(path, printout.toStdString()).kind == DeliveryKind::Done);
    });
}
