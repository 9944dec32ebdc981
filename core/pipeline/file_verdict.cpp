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

std::string Narrow(std::u16string_view text) { return messages::ShownText(text); }

// "Pasek/IleOsob", as the file spells the names.
std::string PathOf(const std::vector<const TpkXMLNode*>& parents, const TpkXMLNode& node) {
    std::string path;
    for (const TpkXMLNode* parent : parents) path += Narrow(parent->Name) + "/";
    return path + Narrow(node.Name);
}

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
            const std::string written = Narrow(child.Text);
            int32_t count = 0;
            try {
                count = StrToInt(written);
            } catch (const ConversionError&) {
                return FileVerdict{Verdict::CountNotNumber,
                                   PathOf(parents_, child) + std::string(Ansi<" „">) + written + std::string(Ansi<"”">)};
            }
            if (count < 0)
                return FileVerdict{Verdict::CountNotNumber,
                                   PathOf(parents_, child) + std::string(Ansi<" „">) + written + std::string(Ansi<"”">)};
            if (count > 0 && !HasRecord(parent, counted, count - 1 + counted.firstNumber))
                return FileVerdict{Verdict::CountBeyondRecords, PathOf(parents_, child) + " = " + std::to_string(count)};
        }
        return std::nullopt;
    }

    std::vector<const TpkXMLNode*> parents_;
};

// The system's reason alone: the error names the path first.
std::string ReasonOf(const std::string& what, const std::string& path) {
    if (what == path + ": not a regular file") return std::string(Ansi<"to nie jest zwykły plik">);
    if (what.starts_with(path + ": ")) return messages::ShownName(what.substr(path.size() + 2));
    return messages::ShownName(what);
}

// The value a conversion refused, as its error quotes it: "'4.75' is not a valid integer value".
std::string WrittenValue(const std::string& what) {
    const std::size_t first = what.find('\''), last = what.rfind('\'');
    if (first == std::string::npos || last <= first) return {};
    const std::string written = what.substr(first + 1, last - first - 1);
    return written.empty() ? std::string()
                           : std::string(Ansi<"„">) + messages::ShownName(written) + std::string(Ansi<"”">);
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

std::string FileVerdict::Said() const {
    const std::string detailed = detail.empty() ? "" : ": " + detail;
    switch (verdict) {
    case Verdict::Sound: return std::string(Ansi<"w porządku">);
    case Verdict::BreaksOff:
        return "plik urwany w wierszu " + std::to_string(line) + ", kolumnie " + std::to_string(column) +
               (detail.empty() ? "" : " (" + detail + ")");
    case Verdict::Foreign: return "nie jest sprawozdaniem" + detailed;
    case Verdict::Empty: return "plik pusty";
    case Verdict::Unreadable: return std::string(Ansi<"nie można odczytać pliku">) + detailed;
    case Verdict::CountNotNumber:
        return detail.empty() ? std::string(Ansi<"brak liczby, której wymaga ten rodzaj sprawozdania">)
                              : std::string(Ansi<"liczba zapisana błędnie">) + detailed;
    case Verdict::CountBeyondRecords:
        return detail.empty() ? std::string(Ansi<"liczby większe, niż plik może pomieścić">)
                              : std::string(Ansi<"liczba większa niż zapisów w pliku">) + detailed;
    case Verdict::TooLargeForPage: return std::string(Ansi<"za duży do zestawienia">) + detailed;
    }
    return {};
}

std::string FileVerdict::Advice() const {
    switch (verdict) {
    case Verdict::Sound: return {};
    case Verdict::Foreign:
        return std::string(Ansi<"usuń go z folderu sprawozdań; jeśli to sprawozdanie, poproś nauczyciela o ponowne "
                                "przesłanie">);
    case Verdict::Unreadable:
        return std::string(Ansi<"sprawdź, czy plik nie jest otwarty w innym programie i czy wolno go "
                                "czytać">);
    case Verdict::CountNotNumber:
        return std::string(Ansi<"poproś nauczyciela o poprawienie liczby i ponowne przesłanie">);
    case Verdict::TooLargeForPage: return std::string(Ansi<"otwórz go osobno (Otwórz, Ctrl+O)">);
    case Verdict::BreaksOff:
    case Verdict::Empty:
    case Verdict::CountBeyondRecords: break;
    }
    return std::string(Ansi<"poproś nauczyciela o ponowne przesłanie">);
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
        return {Verdict::Foreign, doc.empty() ? "brak rodzaju sprawozdania (Doc)"
                                              : std::string(Ansi<"nieznany rodzaj sprawozdania „">) + Narrow(doc) +
                                                    std::string(Ansi<"”">)};
    }
    if (report.Value("Belfer").empty()) return {Verdict::Foreign, "brak nauczyciela (Belfer)"};
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
        judged.verdict = {Verdict::Unreadable, std::string(Ansi<"plik jest za duży: ">) + std::to_string(error.size()) +
                                                   std::string(Ansi<" bajtów">)};
        return judged;
    } catch (const std::exception& error) {
        judged.verdict = {Verdict::Unreadable, ReasonOf(error.what(), path)};
        return judged;
    }
    judged.type = FindDocumentType(judged.report->Value("Doc"));
    judged.verdict = JudgeReport(*judged.report, judged.type);
    return judged;
}
