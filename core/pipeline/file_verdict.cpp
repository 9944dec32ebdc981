#include "file_verdict.h"

#include <array>

#include "ansi_literal.h"
#include "count_conversion.h"
#include "load_warning.h"
#include "messages.h"
#include "pkxml.h"
#include "school_value.h"

namespace {

// A count and the records it numbers: records count from 1, lines from 0.
struct CountedRecords {
    std::u16string_view count;  // upper-cased, as names are compared
    std::array<std::u16string_view, 2> stems;
    int firstNumber;
};

constexpr std::array<CountedRecords, 3> kCounts{{
    {u"ILEOSOB", {u"UCZEN", u""}, 1},
    {u"ILOSC", {u"UZASADNIENIE", u""}, 1},
    {u"ILOSCWIERSZY", {u"W", u"WIERSZ"}, 0},
}};

AnsiText Narrow(std::u16string_view text) { return messages::ShownText(text); }

// "Pasek/IleOsob", as the file spells the names.
AnsiText PathOf(const std::vector<const TpkXMLNode*>& parents, const TpkXMLNode& node) {
    AnsiText path;
    for (const TpkXMLNode* parent : parents) path += Narrow(parent->Name) + Ansi<"/">;
    return path + Narrow(node.Name);
}

// "Pasek/IleOsob „abc”".
AnsiText Quoted(const AnsiText& path, const AnsiText& written) { return path + Ansi<" „"> + written + Ansi<"”">; }

bool HasRecord(TpkXMLNode& parent, const CountedRecords& counted, int32_t number) {
    for (std::u16string_view stem : counted.stems) {
        if (stem.empty()) continue;
        const std::string digits = std::to_string(number);
        const std::u16string name = std::u16string(stem) + std::u16string(digits.begin(), digits.end());
        if (parent.FindChild(name, false)) return true;
    }
    return false;
}

// The first count below `parent` that is not a whole number of 0 or more, or that numbers a record
// the file does not hold.
class CountWalk {
public:
    std::optional<FileVerdict> Walk(TpkXMLNode& parent) {
        for (int i = 0; i < parent.ChildCount(); ++i) {
            TpkXMLNode& child = *parent.Child(i);
            if (child.Kind != TpkXMLNodeKind::nkElement) continue;
            if (auto found = Judge(parent, child)) return found;
            parents_.push_back(&child);
            auto found = Walk(child);
            parents_.pop_back();
            if (found) return found;
        }
        return std::nullopt;
    }

private:
    std::optional<FileVerdict> Judge(TpkXMLNode& parent, const TpkXMLNode& child) const {
        const std::u16string key = UpperKey(child.Name);
        for (const CountedRecords& counted : kCounts) {
            if (key != counted.count) continue;
            const AnsiText written = Narrow(child.Text);
            int32_t count = 0;
            try {
                count = StrToInt(written.Bytes());
            } catch (const ConversionError&) {
                return FileVerdict{Verdict::CountNotNumber, Quoted(PathOf(parents_, child), written)};
            }
            if (count < 0) return FileVerdict{Verdict::CountNotNumber, Quoted(PathOf(parents_, child), written)};
            if (count > 0 && !HasRecord(parent, counted, count - 1 + counted.firstNumber))
                return FileVerdict{Verdict::CountBeyondRecords,
                                   PathOf(parents_, child) + Ansi<" = "> + AnsiText::Number(count)};
        }
        return std::nullopt;
    }

    std::vector<const TpkXMLNode*> parents_;
};

// The system's reason alone: the error names the path first.
AnsiText ReasonOf(const std::string& what, const std::string& path) {
    if (what == path + ": not a regular file") return Ansi<"to nie jest zwykły plik">;
    if (what.starts_with(path + ": ")) return messages::ShownName(what.substr(path.size() + 2));
    return messages::ShownName(what);
}

// The value a conversion refused, as its error quotes it: "'4.75' is not a valid integer value".
AnsiText WrittenValue(const std::string& what) {
    const std::size_t first = what.find('\''), last = what.rfind('\'');
    if (first == std::string::npos || last <= first) return {};
    const std::string written = what.substr(first + 1, last - first - 1);
    return written.empty() ? AnsiText() : Ansi<"„"> + messages::ShownName(written) + Ansi<"”">;
}

FileVerdict Rendered(ReportFile& report, const DocumentType& type) {
    HtmlPage scratch;
    try {
        type.render(false, scratch, report, RenderOptions(","));
    } catch (const ConversionError& error) {
        return {Verdict::CountNotNumber, WrittenValue(error.what())};
    } catch (const DamagedReport&) {
        return {Verdict::CountBeyondRecords, {}};
    }
    return {};
}

}  // namespace

AnsiText FileVerdict::Said() const {
    const AnsiText detailed = detail.Empty() ? AnsiText() : Ansi<": "> + detail;
    switch (verdict) {
    case Verdict::Sound: return Ansi<"w porządku">;
    case Verdict::BreaksOff:
        return Ansi<"plik urwany w wierszu "> + AnsiText::Number((long long)line) + Ansi<", kolumnie "> +
               AnsiText::Number((long long)column) + (detail.Empty() ? AnsiText() : Ansi<" ("> + detail + Ansi<")">);
    case Verdict::Foreign: return Ansi<"nie jest sprawozdaniem"> + detailed;
    case Verdict::Empty: return Ansi<"plik pusty">;
    case Verdict::Unreadable: return Ansi<"nie można odczytać pliku"> + detailed;
    case Verdict::CountNotNumber:
        return detail.Empty() ? AnsiText(Ansi<"brak liczby, której wymaga ten rodzaj sprawozdania">)
                              : Ansi<"liczba zapisana błędnie"> + detailed;
    case Verdict::CountBeyondRecords:
        return detail.Empty() ? AnsiText(Ansi<"liczby większe, niż plik może pomieścić">)
                              : Ansi<"liczba większa niż zapisów w pliku"> + detailed;
    case Verdict::TooLargeForPage: return Ansi<"za duży do zestawienia"> + detailed;
    }
    return {};
}

AnsiText FileVerdict::Advice() const {
    switch (verdict) {
    case Verdict::Sound: return {};
    case Verdict::Foreign:
        return Ansi<"usuń go z folderu sprawozdań; jeśli to sprawozdanie, poproś nauczyciela o ponowne przesłanie">;
    case Verdict::Unreadable:
        return Ansi<"sprawdź, czy plik nie jest otwarty w innym programie i czy wolno go czytać">;
    case Verdict::CountNotNumber: return Ansi<"poproś nauczyciela o poprawienie liczby i ponowne przesłanie">;
    case Verdict::TooLargeForPage: return Ansi<"otwórz go osobno (Otwórz, Ctrl+O)">;
    case Verdict::BreaksOff:
    case Verdict::Empty:
    case Verdict::CountBeyondRecords: break;
    }
    return Ansi<"poproś nauczyciela o ponowne przesłanie">;
}

FileVerdict JudgeReport(ReportFile& report, const DocumentType* type) {
    TpkXML& document = report.document();
    TpkXMLNode* school = document.FindNode(u"Szkola", false);
    if (report.Blank()) return {Verdict::Empty, {}};
    if (report.Break() && (type || school)) {
        const XmlBreak& where = *report.Break();
        return {Verdict::BreaksOff, BreakReason(where), where.line, where.column};
    }
    if (!type) {
        const std::u16string doc = SchoolText("Doc", document);
        return {Verdict::Foreign, doc.empty() ? AnsiText(Ansi<"brak rodzaju sprawozdania (Doc)">)
                                              : Ansi<"nieznany rodzaj sprawozdania „"> + Narrow(doc) + Ansi<"”">};
    }
    if (report.Value("Belfer").empty()) return {Verdict::Foreign, Ansi<"brak nauczyciela (Belfer)">};
    if (std::optional<FileVerdict> count = CountWalk().Walk(*school)) return *count;
    return Rendered(report, *type);
}

JudgedFile JudgeReportFile(const std::string& path) {
    JudgedFile judged;
    try {
        judged.report = ReadReportFile(path, MissingFile::Raises);
    } catch (const std::bad_alloc&) {
        throw;
    } catch (const FileTooLarge& error) {
        judged.verdict = {Verdict::Unreadable,
                          Ansi<"plik jest za duży: "> + AnsiText::Number((long long)error.size()) + Ansi<" bajtów">};
        return judged;
    } catch (const std::exception& error) {
        judged.verdict = {Verdict::Unreadable, ReasonOf(error.what(), path)};
        return judged;
    }
    judged.type = FindDocumentType(judged.report->Value("Doc"));
    judged.verdict = JudgeReport(*judged.report, judged.type);
    return judged;
}
