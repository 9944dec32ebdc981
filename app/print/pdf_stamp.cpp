#include "pdf_stamp.h"

#include <array>
#include <charconv>
#include <cmath>
#include <memory>

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFObjectHandle.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/QPDFPageObjectHelper.hh>
#include <qpdf/QPDFWriter.hh>

#include "page_codes.h"

namespace {

constexpr double kLineFontSize = 9.0;
constexpr const char* kFontResource = "/UlnikPageLineFont";

// Helvetica's advance widths (thousandths of the size) for the printable ASCII characters.
constexpr std::array<short, 95> kHelveticaWidths = {
    278, 278, 355, 556, 556, 889, 667, 191, 333, 333, 389, 584, 278, 333, 278, 278,  // ' '../
    556, 556, 556, 556, 556, 556, 556, 556, 556, 556, 278, 278, 584, 584, 584, 556,  // 0..?
    1015, 667, 667, 722, 722, 667, 611, 778, 722, 278, 500, 667, 556, 833, 722, 778, // @..O
    667, 778, 722, 667, 611, 722, 667, 944, 667, 667, 611, 278, 278, 278, 469, 556,  // P.._
    333, 556, 556, 500, 556, 556, 278, 556, 556, 222, 222, 500, 222, 833, 556, 556,  // `..o
    556, 556, 333, 500, 278, 556, 500, 722, 500, 500, 500, 334, 260, 334, 584,       // p..~
};
constexpr short kOtherCharacterWidth = 556;

std::unique_ptr<QPDF> ReadPdf(const std::string& bytes) {
    auto pdf = std::make_unique<QPDF>();
    pdf->setSuppressWarnings(true);
    pdf->processMemoryFile("page", bytes.data(), bytes.size());
    return pdf;
}

std::string WritePdf(QPDF& pdf) {
    QPDFWriter writer(pdf);
    writer.setOutputMemory();
    writer.write();
    const auto buffer = writer.getBufferSharedPointer();
    return std::string(reinterpret_cast<const char*>(buffer->getBuffer()), buffer->getSize());
}

std::string PdfString(const std::string& text) {
    std::string quoted = "(";
    for (const char c : text) {
        if (c == '(' || c == ')' || c == '\\') quoted += '\\';
        quoted += c;
    }
    return quoted + ")";
}

// PDF numbers always use a point: the C library's formatting follows the user's locale, and a
// Polish "9,00" breaks the content stream.
std::string Number(double value) {
    char text[32];
    const auto end = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, 2).ptr;
    return std::string(text, end);
}

std::string ShowText(const std::string& text, double x, double baseline) {
    if (text.empty()) return {};
    return "BT " + std::string(kFontResource) + " " + Number(kLineFontSize) + " Tf 1 0 0 1 " +
           Number(x) + " " + Number(baseline) + " Tm " + PdfString(text) + " Tj ET\n";
}

struct Box {
    double left, bottom, right, top;
};

// One line: left part at the left margin, centre part centred between the margins, right part
// ending at the right margin.
std::string LineContent(const PageLine& line, const Box& inner, double baseline) {
    const double centreWidth = HelveticaWidth(line.centre, kLineFontSize);
    const double rightWidth = HelveticaWidth(line.right, kLineFontSize);
    return ShowText(line.left, inner.left, baseline) +
           ShowText(line.centre, (inner.left + inner.right - centreWidth) / 2, baseline) +
           ShowText(line.right, inner.right - rightWidth, baseline);
}

// The baseline that puts the text's middle at the given height.
double BaselineCentredAt(double middle) { return middle - 0.25 * kLineFontSize; }

// The page less its margins: where the page's own content belongs.
Box BodyBox(const PrintOptions& options, const Box& page) {
    const auto& m = options.margins;
    return {page.left + m.left * kPointsPerMm, page.bottom + m.bottom * kPointsPerMm,
            page.right - m.right * kPointsPerMm, page.top - m.top * kPointsPerMm};
}

// Chromium breaks pages on whole CSS pixels (96 to the inch) and lets the next page's first
// line reach up to a pixel above the break: the accents of its capitals, which rise above the
// line. Each page shows the rest of the pixel below its break, so those accents would print as
// a sliver at the foot of the page before. The page's own content is clipped a pixel above the
// last whole pixel; a line box never ends there, having its descent below the ink.
std::string ClipAboveNextPage(const Box& body) {
    constexpr double kPointsPerCssPixel = 72.0 / 96.0;
    const double height =
        (std::floor((body.top - body.bottom) / kPointsPerCssPixel) - 1) * kPointsPerCssPixel;
    return Number(body.left) + " " + Number(body.top - height) + " " + Number(body.right - body.left) + " " +
           Number(height) + " re W n\n";
}

std::string PageContent(const PrintOptions& options, const Box& page, int number, int pages) {
    const Box inner = BodyBox(options, page);
    const std::string header = LineContent(ExpandPageCodes(options.header, number, pages), inner,
                                           BaselineCentredAt((inner.top + page.top) / 2));
    const std::string footer = LineContent(ExpandPageCodes(options.footer, number, pages), inner,
                                           BaselineCentredAt((page.bottom + inner.bottom) / 2));
    return header + footer;
}

void AddFontResource(QPDFPageObjectHelper& page, QPDFObjectHandle font) {
    QPDFObjectHandle resources = page.getAttribute("/Resources", true);
    if (!resources.isDictionary()) {
        resources = QPDFObjectHandle::newDictionary();
        page.getObjectHandle().replaceKey("/Resources", resources);
    }
    QPDFObjectHandle fonts = resources.getKey("/Font");
    if (!fonts.isDictionary()) {
        fonts = QPDFObjectHandle::newDictionary();
    } else if (fonts.isIndirect()) {
        fonts = fonts.shallowCopy();  // shared with other pages or objects
    }
    fonts.replaceKey(kFontResource, font);
    resources.replaceKey("/Font", fonts);
}

Box PageBox(QPDFPageObjectHelper& page) {
    const QPDFObjectHandle::Rectangle r = page.getCropBox(false, false).getArrayAsRectangle();
    return {r.llx, r.lly, r.urx, r.ury};
}

}  // namespace

double HelveticaWidth(const std::string& text, double size) {
    double thousandths = 0;
    for (const unsigned char c : text)
        thousandths += (c >= 32 && c < 127) ? kHelveticaWidths[c - 32] : kOtherCharacterWidth;
    return thousandths * size / 1000.0;
}

std::string StampPageLines(const std::string& bytes, const PrintOptions& options) {
    auto pdf = ReadPdf(bytes);
    QPDFObjectHandle font = pdf->makeIndirectObject(QPDFObjectHandle::parse(
        "<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica /Encoding /WinAnsiEncoding >>"));
    std::vector<QPDFPageObjectHelper> pages = QPDFPageDocumentHelper(*pdf).getAllPages();
    const int count = static_cast<int>(pages.size());
    for (int i = 0; i < count; ++i) {
        QPDFPageObjectHelper& page = pages[i];
        const std::string lines = PageContent(options, PageBox(page), i + 1, count);
        if (lines.empty()) continue;
        AddFontResource(page, font);
        // The page's own drawing state must not reach the lines: wrap it in q ... Q.
        page.addPageContents(
            QPDFObjectHandle::newStream(pdf.get(), "q\n" + ClipAboveNextPage(BodyBox(options, PageBox(page)))), true);
        page.addPageContents(QPDFObjectHandle::newStream(pdf.get(), "Q\nq 0 g\n" + lines + "Q\n"),
                             false);
    }
    return WritePdf(*pdf);
}

std::string KeepPages(const std::string& bytes, const std::vector<PageRange>& ranges) {
    auto pdf = ReadPdf(bytes);
    QPDFPageDocumentHelper document(*pdf);
    const std::vector<QPDFPageObjectHelper> pages = document.getAllPages();
    for (std::size_t i = 0; i < pages.size(); ++i) {
        const int number = static_cast<int>(i) + 1;
        bool kept = false;
        for (const PageRange& range : ranges) kept = kept || (number >= range.first && number <= range.last);
        if (!kept) document.removePage(pages[i]);
    }
    return WritePdf(*pdf);
}

int CountPages(const std::string& bytes) {
    auto pdf = ReadPdf(bytes);
    return static_cast<int>(QPDFPageDocumentHelper(*pdf).getAllPages().size());
}
