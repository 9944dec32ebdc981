#include "print_delivery.h"

#include <filesystem>

#include <QFile>
#include <QFileInfo>
#include <QPageRanges>
#include <QPrinter>

#include "code_page.h"
#include "file_access.h"
#include "messages.h"
#include "pdf_stamp.h"
#include "print_messages.h"
#include "utf8.h"

namespace {

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

}  // namespace

std::string PagesToPrint(const std::string& printout, const QPrinter& printer) {
    try {
        std::string pages =
            printer.printRange() == QPrinter::PageRange ? KeepPages(printout, ChosenPages(printer)) : printout;
        return CountPages(pages) == 0 ? std::string() : pages;
    } catch (const std::exception&) {
        return {};
    }
}

Delivery WriteToFile(const QString& path, const std::string& pages) {
    try {
        WriteFileReplacing(QFile::encodeName(path).toStdString(), pages);
        return {};
    } catch (const std::exception&) {
        return {DeliveryKind::CannotWriteFile, {}};
    }
}

CupsJob JobFor(const QPrinter& printer, const QString& title) {
    return CupsJob{printer.printerName().toStdString(), title.toStdString(), printer.copyCount(),
                   printer.collateCopies(), SidesOf(printer.duplex())};
}

Delivery DeliveryOf(const CupsOutcome& outcome) {
    if (outcome.sent) return {};
    if (outcome.timedOut) return {DeliveryKind::PrinterSilent, {}};
    return {DeliveryKind::Refused, outcome.error};
}

QString SentNotice(int pages) { return QStringLiteral("Wysłano do drukarki: %1 str.").arg(pages); }

QString SavedNotice(const QString& path) { return QStringLiteral("Zapisano: %1").arg(QFileInfo(path).fileName()); }

AnsiText MessageFor(const Delivery& delivery) {
    switch (delivery.kind) {
    case DeliveryKind::Done: return {};
    case DeliveryKind::NoPagesInRange: return print_messages::kNoPagesInRange;
    case DeliveryKind::CannotWriteFile: return print_messages::kCannotWritePdf;
    case DeliveryKind::Refused: return print_messages::kPrintFailed + AnsiText::FromUtf8(delivery.reason);
    case DeliveryKind::PrinterSilent: return print_messages::kPrintFailed + print_messages::kPrintingSystemSilent;
    }
    return {};
}
