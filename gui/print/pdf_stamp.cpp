#include "pdf_stamp.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <memory>
#include <optional>
#include <set>
#include <string_view>
#include <utility>

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFObjectHandle.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/QPDFPageObjectHelper.hh>
#include <qpdf/QPDFTokenizer.hh>
#include <qpdf/QPDFWriter.hh>

#include "page_codes.h"
#include "pdf_info.h"

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

// The lines are Windows-1250, as every text of the program: WinAnsi with the letters where the
// two differ, by their names in the font.
constexpr const char* kWindows1250Font =
    "<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica /Encoding << /Type /Encoding"
    " /BaseEncoding /WinAnsiEncoding /Differences [140 /Sacute /Tcaron 143 /Zacute 156 /sacute /tcaron"
    " 159 /zacute 161 /caron /breve /Lslash 165 /Aogonek 170 /Scedilla 175 /Zdotaccent 178 /ogonek /lslash"
    " 185 /aogonek /scedilla 188 /Lcaron /hungarumlaut /lcaron /zdotaccent /Racute 195 /Abreve"
    " 197 /Lacute /Cacute 200 /Ccaron 202 /Eogonek 204 /Ecaron 207 /Dcaron /Dcroat /Nacute /Ncaron"
    " 213 /Ohungarumlaut 216 /Rcaron /Uring 219 /Uhungarumlaut 222 /Tcommaaccent 224 /racute"
    " 227 /abreve 229 /lacute /cacute 232 /ccaron 234 /eogonek 236 /ecaron 239 /dcaron /dcroat /nacute"
    " /ncaron 245 /ohungarumlaut 248 /rcaron /uring 251 /uhungarumlaut 254 /tcommaaccent /dotaccent] >> >>";

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

// Without rounding, as far as it fits: content streams know no exponents.
std::string ExactNumber(double value) {
    char text[64];
    const auto [end, error] = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed);
    return error == std::errc() ? std::string(text, end) : "0";
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

// A map of the plane as content streams write it, [x y 1] times the matrix.
struct Affine {
    double a = 1, b = 0, c = 0, d = 1, e = 0, f = 0;

    // This map, then `outer`: what "cm" makes of the current matrix.
    Affine Then(const Affine& outer) const {
        return {a * outer.a + b * outer.c, a * outer.b + b * outer.d,
                c * outer.a + d * outer.c, c * outer.b + d * outer.d,
                e * outer.a + f * outer.c + outer.e, e * outer.b + f * outer.d + outer.f};
    }
    double X(double x, double y) const { return a * x + c * y + e; }
    double Y(double x, double y) const { return b * x + d * y + f; }
};

using Token = QPDFTokenizer::Token;

class TokenList : public QPDFObjectHandle::TokenFilter {
public:
    void handleToken(const Token& token) override { tokens.push_back(token); }
    std::vector<Token> tokens;
};

std::optional<double> NumberOf(const Token& token) {
    if (token.getType() != QPDFTokenizer::tt_integer && token.getType() != QPDFTokenizer::tt_real)
        return std::nullopt;
    std::string_view text = token.getValue();
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

// The numbers an operator takes, or nothing when its operands are not that many numbers.
template <std::size_t N>
std::optional<std::array<double, N>> Numbers(const std::vector<Token>& operands) {
    if (operands.size() != N) return std::nullopt;
    std::array<double, N> numbers{};
    for (std::size_t i = 0; i < N; ++i) {
        const auto number = NumberOf(operands[i]);
        if (!number) return std::nullopt;
        numbers[i] = *number;
    }
    return numbers;
}

// A page of Chromium's PDF is a window onto the whole document: its first clip is the page's
// body, and it draws whatever may show through that window. Pages break between line boxes, but
// a line's ink is taller than its box: the accents of capitals rise above it, and descenders
// reach its foot. So that clip cuts the accents off each page's first line, and the page before
// shows them as a sliver at its foot. No clip can part the two: the accents of one line and the
// descenders of the line above share the rows around a break. So each line of text goes to the
// page its baseline lies on: the text of the pages before and after is left out, and the page's
// own lines near a break are drawn whole, into the margin. All else keeps Chromium's clip.
struct SplitContent {
    Box clip;           // Chromium's clip of the page's body, in page space
    std::string body;   // the page less the text near the break, and less other pages' text
    std::string edges;  // the text near the break alone, without Chromium's clip; may be empty
};

class ContentSplitter {
public:
    // Nothing when the content is not laid out as Chromium lays out its pages.
    static std::optional<SplitContent> Split(const std::vector<Token>& tokens) {
        ContentSplitter splitter;
        for (const Token& token : tokens)
            if (!splitter.Read(token)) return std::nullopt;
        if (!splitter.clip_ || splitter.inText_ || splitter.inImage_ || !splitter.operands_.empty())
            return std::nullopt;
        if (!splitter.nearBreak_) splitter.edges_.clear();
        return SplitContent{*splitter.clip_, std::move(splitter.body_), std::move(splitter.edges_)};
    }

private:
    enum class Owner { Page, PageNearBreak, OtherPage };

    struct State {
        Affine ctm;
        double fontSize = 0;
        double leading = 0;
    };

    struct Instruction {
        std::string op;
        std::string text;  // operands and operator as written
    };

    bool Read(const Token& token) {
        switch (token.getType()) {
            case QPDFTokenizer::tt_bad:
                return false;
            case QPDFTokenizer::tt_eof:
                return true;
            case QPDFTokenizer::tt_space:
            case QPDFTokenizer::tt_comment:
                text_ += token.getRawValue();
                return true;
            case QPDFTokenizer::tt_inline_image:
                text_ += token.getRawValue();
                if (!inImage_ || inText_) return false;
                imageData_ = true;
                return true;
            case QPDFTokenizer::tt_word:
                if (inImage_) return TakeImagePart(token);
                text_ += token.getRawValue();
                return Operator(token.getValue());
            default:
                text_ += token.getRawValue();
                operands_.push_back(token);
                return true;
        }
    }

    // An inline image, "BI ... ID data EI", is drawn on the page and left out of the edges.
    bool TakeImagePart(const Token& word) {
        text_ += word.getRawValue();
        if (word.getValue() == "EI" || imageData_) {
            if (word.getValue() != "EI") return false;
            inImage_ = imageData_ = false;
            Emit(true, false);
            return true;
        }
        return word.getValue() == "ID";
    }

    bool Operator(const std::string& op) {
        if (inText_) return TextOperator(op);
        if (op == "BI") {
            inImage_ = true;
            return true;
        }
        if (op == "BT") {
            if (!clip_) return false;  // text before the page's clip: not Chromium's page
            inText_ = true;
            tm_ = lineMatrix_ = Affine{};
            baseline_.reset();
            block_.clear();
            block_.push_back({op, TakeInstruction()});
            return true;
        }
        if (op == "q") {
            states_.push_back(state_);
        } else if (op == "Q") {
            if (states_.empty()) return false;
            state_ = states_.back();
            states_.pop_back();
        } else if (op == "cm") {
            const auto m = Numbers<6>(operands_);
            if (!m) return false;
            state_.ctm = Affine{(*m)[0], (*m)[1], (*m)[2], (*m)[3], (*m)[4], (*m)[5]}.Then(state_.ctm);
        } else if (op == "re" || op == "m" || op == "l" || op == "c" || op == "v" || op == "y" || op == "h") {
            return PathOperator(op);
        } else if (op == "W" || op == "W*") {
            if (clip_) {
                const std::string text = TakeInstruction();
                body_ += text;
                path_ += text;
                clipping_ = true;
                return true;
            }
            if (curves_ || rectangles_.size() != 1) return false;
            clip_ = rectangles_.front();
            Emit(true, false);  // the edges go past it
            return true;
        } else if (op == "n" || op == "S" || op == "s" || op == "f" || op == "F" || op == "f*" ||
                   op == "B" || op == "B*" || op == "b" || op == "b*") {
            // The edges paint no paths, but keep the clips among them.
            body_ += TakeInstruction();
            if (clipping_) edges_ += path_ + "\nn";
            path_.clear();
            rectangles_.clear();
            curves_ = clipping_ = false;
            return true;
        } else if (op == "sh" || op == "Do") {
            Emit(true, false);
            return true;
        } else {
            TextStateOperator(op);
        }
        Emit(true, true);
        return true;
    }

    bool PathOperator(const std::string& op) {
        if (op == "re") {
            const auto r = Numbers<4>(operands_);
            if (!r) return false;
            rectangles_.push_back(PageRectangle((*r)[0], (*r)[1], (*r)[2], (*r)[3]));
        } else {
            curves_ = true;
        }
        const std::string text = TakeInstruction();
        body_ += text;
        path_ += text;
        return true;
    }

    // Text state lives in the graphics state, outside text objects too.
    bool TextStateOperator(const std::string& op) {
        if (op == "Tf" && operands_.size() == 2) {
            if (const auto size = NumberOf(operands_[1])) state_.fontSize = *size;
        } else if (op == "TL" && operands_.size() == 1) {
            if (const auto leading = NumberOf(operands_[0])) state_.leading = *leading;
        } else {
            return false;
        }
        return true;
    }

    bool TextOperator(const std::string& op) {
        if (op == "Tm") {
            const auto m = Numbers<6>(operands_);
            if (!m) return false;
            tm_ = lineMatrix_ = Affine{(*m)[0], (*m)[1], (*m)[2], (*m)[3], (*m)[4], (*m)[5]};
        } else if (op == "Td" || op == "TD") {
            const auto t = Numbers<2>(operands_);
            if (!t) return false;
            if (op == "TD") state_.leading = -(*t)[1];
            tm_ = lineMatrix_ = Affine{1, 0, 0, 1, (*t)[0], (*t)[1]}.Then(lineMatrix_);
        } else if (op == "T*" || op == "'" || op == "\"") {
            tm_ = lineMatrix_ = Affine{1, 0, 0, 1, 0, -state_.leading}.Then(lineMatrix_);
        } else if (op == "q" || op == "Q" || op == "cm" || op == "BT") {
            return false;  // not allowed in a text object
        } else {
            TextStateOperator(op);
        }
        if (!baseline_ && (op == "Tj" || op == "TJ" || op == "'" || op == "\"")) {
            const Affine toPage = tm_.Then(state_.ctm);
            baseline_ = toPage.Y(0, 0);
            const double dx = toPage.X(0, state_.fontSize) - toPage.X(0, 0);
            const double dy = toPage.Y(0, state_.fontSize) - toPage.Y(0, 0);
            size_ = std::hypot(dx, dy);
        }
        block_.push_back({op, TakeInstruction()});
        if (op == "ET") EndText();
        return true;
    }

    void EndText() {
        inText_ = false;
        const Owner owner = OwnerOfText();
        if (owner == Owner::PageNearBreak) nearBreak_ = true;
        body_ += owner == Owner::Page ? WholeBlock() : BlockState();
        edges_ += owner == Owner::PageNearBreak ? WholeBlock() : BlockState();
    }

    // A line belongs to the page its baseline lies on. Its ink reaches past the baseline by
    // less than twice its size: accents above, descenders below.
    Owner OwnerOfText() const {
        if (!baseline_) return Owner::Page;
        const double y = *baseline_;
        if (y > clip_->top || y < clip_->bottom) return Owner::OtherPage;
        if (clip_->top - y < 2 * size_ || y - clip_->bottom < 2 * size_) return Owner::PageNearBreak;
        return Owner::Page;
    }

    std::string WholeBlock() const {
        std::string text;
        for (const Instruction& instruction : block_) text += instruction.text;
        return text;
    }

    // What a text object left out leaves behind: the state it sets, which later text may rely
    // on (the leading that TD sets, as TL). Its marked content goes with it when it opens and
    // closes there.
    std::string BlockState() const {
        static const std::set<std::string> kTextOnly = {"BT", "ET", "Tm", "Td", "TD", "T*", "Tj", "TJ", "'", "\""};
        static const std::set<std::string> kMarks = {"BMC", "BDC", "EMC", "MP", "DP"};
        int open = 0;
        for (const Instruction& instruction : block_)
            open += instruction.op == "BMC" || instruction.op == "BDC" ? 1 : instruction.op == "EMC" ? -1 : 0;
        std::string text;
        bool setsLeading = false;
        for (const Instruction& instruction : block_) {
            setsLeading = setsLeading || instruction.op == "TD";
            if (!kTextOnly.count(instruction.op) && (open != 0 || !kMarks.count(instruction.op)))
                text += instruction.text;
        }
        if (setsLeading) text += "\n" + ExactNumber(state_.leading) + " TL";
        return text;
    }

    Box PageRectangle(double x, double y, double width, double height) const {
        const Affine& m = state_.ctm;
        const std::array<double, 4> xs = {m.X(x, y), m.X(x + width, y), m.X(x, y + height), m.X(x + width, y + height)};
        const std::array<double, 4> ys = {m.Y(x, y), m.Y(x + width, y), m.Y(x, y + height), m.Y(x + width, y + height)};
        return {*std::min_element(xs.begin(), xs.end()), *std::min_element(ys.begin(), ys.end()),
                *std::max_element(xs.begin(), xs.end()), *std::max_element(ys.begin(), ys.end())};
    }

    // The instruction just read: its operands, its operator, and the white space before them.
    std::string TakeInstruction() {
        operands_.clear();
        return std::exchange(text_, {});
    }

    // An instruction begins with the white space or delimiter that ends the one before, so
    // instructions may be left out anywhere.
    void Emit(bool toBody, bool toEdges) {
        const std::string text = TakeInstruction();
        if (toBody) body_ += text;
        if (toEdges) edges_ += text;
    }

    State state_;
    std::vector<State> states_;
    std::vector<Token> operands_;
    std::string text_;
    std::string path_;             // the path being built, as written
    std::vector<Box> rectangles_;  // its rectangles, in page space
    bool curves_ = false;
    bool clipping_ = false;  // it becomes a clip
    std::optional<Box> clip_;
    bool inText_ = false;
    bool inImage_ = false;
    bool imageData_ = false;
    Affine tm_, lineMatrix_;
    std::optional<double> baseline_;
    double size_ = 0;
    std::vector<Instruction> block_;
    bool nearBreak_ = false;
    std::string body_, edges_;
};

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
    QPDFObjectHandle font = pdf->makeIndirectObject(QPDFObjectHandle::parse(kWindows1250Font));
    std::vector<QPDFPageObjectHelper> pages = QPDFPageDocumentHelper(*pdf).getAllPages();
    const int count = static_cast<int>(pages.size());
    for (int i = 0; i < count; ++i) {
        QPDFPageObjectHelper& page = pages[i];
        const Box box = PageBox(page);
        const std::string lines = PageContent(options, box, i + 1, count);
        if (!lines.empty()) AddFontResource(page, font);
        // The page's own drawing state must not reach the lines: each part is wrapped in q ... Q.
        const std::string stamp = lines.empty() ? std::string() : "q 0 g\n" + lines + "Q\n";
        TokenList tokens;
        page.filterContents(&tokens);
        if (const auto split = ContentSplitter::Split(tokens.tokens)) {
            std::string content = "q\n" + split->body + "\nQ\n";
            if (!split->edges.empty())
                content += "q\n" + Number(split->clip.left) + " " + Number(box.bottom) + " " +
                           Number(split->clip.right - split->clip.left) + " " + Number(box.top - box.bottom) +
                           " re W n\n" + split->edges + "\nQ\n";
            page.getObjectHandle().replaceKey("/Contents",
                                              QPDFObjectHandle::newStream(pdf.get(), content + stamp));
        } else if (!stamp.empty()) {
            page.addPageContents(QPDFObjectHandle::newStream(pdf.get(), "q\n"), true);
            page.addPageContents(QPDFObjectHandle::newStream(pdf.get(), "Q\n" + stamp), false);
        }
    }
    DescribeDocument(*pdf, options.title);
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
