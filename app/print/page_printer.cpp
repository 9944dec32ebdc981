#include "page_printer.h"

#include <QFile>
#include <QPageRanges>
#include <QPaintEngine>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPrinterInfo>
#include <QWebEnginePage>

#include "code_page.h"
#include "cups_job.h"
#include "pdf_stamp.h"
#include "print_messages.h"
#include "printout.h"
#include "printout_painter.h"
#include "press_route.h"
#include "utf8.h"

namespace {

// Sharp enough on screen at the preview's zoom levels, and quick to draw.
constexpr int kPreviewDotsPerInch = 150;

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

std::vector<PageRange> ChosenPages(const QPrinter& printer) {
    std::vector<PageRange> ranges;
    for (const QPageRanges::Range& range : printer.pageRanges().toRangeList())
        ranges.push_back({range.from, range.to});
    return ranges;
}

std::string SidesOf(QPrinter::DuplexMode duplex) {
    switch (duplex) {
    case QPrinter::DuplexNone: return "one-sided";
    case QPrinter::DuplexLongSide: return "two-sided-long-edge";
    case QPrinter::DuplexShortSide: return "two-sided-short-edge";
    default: return "";  // the printer's own default
    }
}

bool WriteWholeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size() &&
           file.flush();
}

}  // namespace

// The printout a preview shows, and the paper it was made for.
struct PagePrinter::PreviewState {
    QByteArray printout;
    QPageLayout layout;
    bool remaking = false;
    QPointer<QPrintPreviewDialog> dialog;
};

PagePrinter::PagePrinter(QWebEnginePage* page, QWidget* parent, ShowMessage showMessage)
    : QObject(parent), page_(page), parent_(parent), showMessage_(std::move(showMessage)),
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

// Whatever the options held before, every printout has an empty header and the page footer.
void PagePrinter::ResetPageLines() {
    options_.header = kPrintHeader;
    options_.footer = kPrintFooter;
}

bool PagePrinter::HasPage() const { return page_ && !page_->url().isEmpty(); }

void PagePrinter::Say(std::string_view text) {
    if (showMessage_) showMessage_(StyleZamknij, IconInformacja, std::string(text));
}

void PagePrinter::Finish(PrintOutcome outcome) { emit finished(outcome); }

void PagePrinter::Print(bool showDialog) {
    ResetPageLines();
    if (!HasPage()) return Finish(PrintOutcome::NoPage);
    const QPrinterInfo target = TargetPrinter();
    if (target.isNull()) {
        Say(print_messages::kNoPrinter);
        return Finish(PrintOutcome::NoPrinter);
    }
    auto printer = std::make_shared<QPrinter>(target, QPrinter::HighResolution);
    printer->setPageLayout(PrintLayout(options_, printer->pageLayout().pageSize(),
                                       QtOrientation(options_.orientation)));
    if (!showDialog) return PrintOn(printer);

    auto* dialog = new QPrintDialog(printer.get(), parent_);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QDialog::finished, this, [this, printer](int result) {
        if (result == QDialog::Accepted)
            PrintOn(printer);
        else
            Finish(PrintOutcome::Cancelled);
    });
    dialog->open();
}

void PagePrinter::PrintOn(std::shared_ptr<QPrinter> printer) {
    const QPageLayout chosen = printer->pageLayout();
    maker_->Make(options_, PrintLayout(options_, chosen.pageSize(), chosen.orientation()),
                 [this, printer](const QByteArray& printout) { Deliver(*printer, printout); });
}

void PagePrinter::Deliver(QPrinter& printer, const QByteArray& printout) {
    if (printout.isEmpty()) {
        Say(print_messages::kPrintoutFailed);
        return Finish(PrintOutcome::Failed);
    }
    try {
        std::string pages = printout.toStdString();
        // The pages are numbered as in the whole printout, so the range is cut from it.
        if (printer.printRange() == QPrinter::PageRange) {
            pages = KeepPages(pages, ChosenPages(printer));
            if (CountPages(pages) == 0) {
                Say(print_messages::kNoPagesInRange);
                return Finish(PrintOutcome::Failed);
            }
        }
        const QByteArray bytes(pages.data(), static_cast<qsizetype>(pages.size()));
        if (!printer.outputFileName().isEmpty()) {
            if (!WriteWholeFile(printer.outputFileName(), bytes)) {
                Say(print_messages::kCannotWritePdf);
                return Finish(PrintOutcome::Failed);
            }
            return Finish(PrintOutcome::Printed);
        }
        const QString title = page_ ? page_->title() : QString();
        SendPdfToCups({printer.printerName().toStdString(),
                       title.isEmpty() ? "Ulnik" : title.toStdString(), printer.copyCount(),
                       printer.collateCopies(), SidesOf(printer.duplex())},
                      pages);
        Finish(PrintOutcome::Printed);
    } catch (const std::exception& error) {
        Say(std::string(print_messages::kPrintFailed) + WideToAnsi(Utf8ToWide(error.what())));
        Finish(PrintOutcome::Failed);
    }
}

void PagePrinter::Preview() {
    ResetPageLines();
    if (!HasPage()) return;
    const QPrinterInfo target = TargetPrinter();
    auto printer = target.isNull() ? std::make_shared<QPrinter>(QPrinter::HighResolution)
                                   : std::make_shared<QPrinter>(target, QPrinter::HighResolution);
    const QPageLayout layout = PrintLayout(options_, printer->pageLayout().pageSize(),
                                           QtOrientation(options_.orientation));
    printer->setPageLayout(layout);
    maker_->Make(options_, layout, [this, printer](const QByteArray& printout) {
        if (printout.isEmpty())
            Say(print_messages::kPrintoutFailed);
        else
            OpenPreview(printer, printout);
    });
}

void PagePrinter::OpenPreview(std::shared_ptr<QPrinter> printer, const QByteArray& printout) {
    auto state = std::make_shared<PreviewState>();
    state->printout = printout;
    state->layout = printer->pageLayout();
    auto* dialog = new QPrintPreviewDialog(printer.get(), parent_);
    state->dialog = dialog;
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QPrintPreviewDialog::paintRequested, this,
            [this, state, printer](QPrinter*) { PaintRequested(state, printer); });
    dialog->setWindowState(Qt::WindowMaximized);
    dialog->open();
}

// The preview asks for pages whenever it shows them, also after a change of paper or
// orientation: then the printout is made again for the new paper, and the preview is
// redrawn when it is ready. The preview's own print button ends here too, outside preview
// mode, and prints the printout like the printer dialog does.
void PagePrinter::PaintRequested(const std::shared_ptr<PreviewState>& state,
                                 const std::shared_ptr<QPrinter>& target) {
    QPrinter& printer = *target;
    const bool previewing = printer.paintEngine() && printer.paintEngine()->type() == QPaintEngine::Picture;
    if (SamePaper(printer.pageLayout(), state->layout)) {
        if (previewing) {
            if (!DrawPrintout(printer, state->printout, kPreviewDotsPerInch))
                Say(print_messages::kPrintoutFailed);
        } else {
            Deliver(printer, state->printout);
        }
        return;
    }
    if (state->remaking && previewing) return;
    state->remaking = true;
    const QPageLayout wanted =
        PrintLayout(options_, printer.pageLayout().pageSize(), printer.pageLayout().orientation());
    maker_->Make(options_, wanted, [this, state, wanted, previewing, target](const QByteArray& printout) {
        state->remaking = false;
        if (printout.isEmpty()) return Say(print_messages::kPrintoutFailed);
        state->printout = printout;
        state->layout = wanted;
        if (!previewing) return Deliver(*target, printout);
        if (state->dialog)
            if (auto* widget = state->dialog->findChild<QPrintPreviewWidget*>()) widget->updatePreview();
    });
}

void PagePrinter::WritePdf(const QString& path, std::function<void(bool written)> done) {
    ResetPageLines();
    if (!HasPage()) return done(false);
    const QPageLayout layout =
        PrintLayout(options_, QPageSize(QPageSize::A4), QtOrientation(options_.orientation));
    maker_->Make(options_, layout, [path, done](const QByteArray& printout) {
        done(!printout.isEmpty() && WriteWholeFile(path, printout));
    });
}
