#include "pdf_binder.h"

#include <memory>

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFObjectHandle.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/QPDFWriter.hh>

#include "pdf_info.h"

std::string BindPrintouts(const std::vector<BoundPrintout>& printouts, const std::string& title) {
    QPDF bound;
    bound.emptyPDF();
    bound.setSuppressWarnings(true);
    QPDFPageDocumentHelper pages(bound);
    // The sources must live until the whole is written: their pages are copied lazily.
    std::vector<std::unique_ptr<QPDF>> sources;
    QPDFObjectHandle outlines = bound.makeIndirectObject(QPDFObjectHandle::parse("<< /Type /Outlines >>"));
    QPDFObjectHandle previous;
    int entries = 0;
    for (const BoundPrintout& printout : printouts) {
        auto source = std::make_unique<QPDF>();
        source->setSuppressWarnings(true);
        source->processMemoryFile("printout", printout.pdf.data(), printout.pdf.size());
        std::vector<QPDFPageObjectHelper> sourcePages = QPDFPageDocumentHelper(*source).getAllPages();
        if (sourcePages.empty()) continue;
        const std::size_t firstPage = pages.getAllPages().size();
        for (QPDFPageObjectHelper& page : sourcePages) pages.addPage(page, false);
        sources.push_back(std::move(source));

        QPDFObjectHandle entry = bound.makeIndirectObject(QPDFObjectHandle::newDictionary());
        entry.replaceKey("/Title", QPDFObjectHandle::newUnicodeString(printout.title));
        entry.replaceKey("/Parent", outlines);
        QPDFObjectHandle destination = QPDFObjectHandle::newArray();
        destination.appendItem(pages.getAllPages()[firstPage].getObjectHandle());
        destination.appendItem(QPDFObjectHandle::newName("/Fit"));
        entry.replaceKey("/Dest", destination);
        if (previous.isInitialized()) {
            entry.replaceKey("/Prev", previous);
            previous.replaceKey("/Next", entry);
        } else {
            outlines.replaceKey("/First", entry);
        }
        outlines.replaceKey("/Last", entry);
        previous = entry;
        ++entries;
    }
    outlines.replaceKey("/Count", QPDFObjectHandle::newInteger(entries));
    QPDFObjectHandle root = bound.getRoot();
    root.replaceKey("/Outlines", outlines);
    // Opened with the bookmarks in view: they are the table of contents.
    root.replaceKey("/PageMode", QPDFObjectHandle::newName("/UseOutlines"));
    DescribeDocument(bound, title);

    QPDFWriter writer(bound);
    writer.setOutputMemory();
    // An empty document starts as PDF 1.3; its pages are Chromium's 1.4.
    writer.setMinimumPDFVersion("1.4");
    writer.write();
    const auto buffer = writer.getBufferSharedPointer();
    return std::string(reinterpret_cast<const char*>(buffer->getBuffer()), buffer->getSize());
}
