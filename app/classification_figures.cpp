#include "classification_figures.h"

#include <algorithm>
#include <map>

#include "count_conversion.h"
#include "messages.h"
#include "polish_order.h"
#include "school_value.h"
#include "utf8.h"

namespace {

constexpr std::string_view kClassification = "Klasyfikacja klasy";
constexpr std::string_view kBehaviour = "Klasyfikacja klasy z zachowania";

struct PolishLess {
    bool operator()(const std::string& a, const std::string& b) const { return PolishBefore(a, b); }
};

// The reports of one class, by type.
struct ClassReports {
    std::vector<FolderReport*> classification, behaviour;
};

Figure FigureOf(std::string written) {
    Figure figure;
    figure.present = true;
    try {
        if (const int32_t value = StrToInt(written); value >= 0) figure.value = value;
    } catch (const ConversionError&) {
    }
    figure.written = std::move(written);
    return figure;
}

// How many records a figure stands for, charged to the report's budget as its renderer would
// charge them: a count no file of its size could hold makes the report a damaged one.
int32_t RecordsOf(const Figure& figure, ReportFile& report) {
    return figure.value ? report.Count(figure.written) : 0;
}

std::string_view Trimmed(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!text.empty() && blank(text.front())) text.remove_prefix(1);
    while (!text.empty() && blank(text.back())) text.remove_suffix(1);
    return text;
}

// The parts of a list written with commas (or semicolons), blanks trimmed, empty ones dropped.
std::vector<std::string> ListParts(std::string_view text) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= text.size(); ++i) {
        if (i < text.size() && text[i] != ',' && text[i] != ';') continue;
        const std::string_view part = Trimmed(text.substr(start, i - start));
        if (!part.empty()) parts.emplace_back(part);
        start = i + 1;
    }
    return parts;
}

// Dates are written 2026-01-23 or 23.01.2026; either sorts as year, month, day.
std::string DateKey(const std::string& date) {
    if (date.size() == 10 && date[2] == '.' && date[5] == '.')
        return date.substr(6, 4) + "-" + date.substr(3, 2) + "-" + date.substr(0, 2);
    return date;
}

bool WrittenEarlier(const FolderReport* a, const FolderReport* b) {
    const std::string x = DateKey(a->date), y = DateKey(b->date);
    return x != y ? x < y : a->file < b->file;
}

std::string Quoted(std::string_view text) { return "\x84" + std::string(text) + "\x94"; }

std::string DoubledLine(const std::string& className, std::string_view type, std::vector<FolderReport*> reports) {
    std::sort(reports.begin(), reports.end(), WrittenEarlier);
    std::string line = "Klasa " + className + ": wi\xEA" "cej ni\xBF jedno sprawozdanie " + Quoted(type) + ": ";
    for (std::size_t i = 0; i < reports.size(); ++i) {
        line += (i ? ", " : "") + messages::ShownFileName(reports[i]->file) + " (";
        line += reports[i]->date.empty() ? "bez daty" : reports[i]->date;
        line += ")";
    }
    return line + "; u\xBFyto " + messages::ShownFileName(reports.back()->file) + " (p\xF3\x9Fniejsza data).";
}

std::string MissingLine(const std::string& className, std::string_view missing, std::string_view present) {
    return "Klasa " + className + ": brak sprawozdania " + Quoted(missing) + " (jest " + Quoted(present) + ").";
}

// A lowered-behaviour case may name several pupils, separated by commas; a case names one at least.
int64_t PupilsNamed(const std::string& persons) {
    return std::max<int64_t>(1, static_cast<int64_t>(ListParts(persons).size()));
}

class Gatherer {
public:
    explicit Gatherer(SchoolFigures& figures) : figures_(figures) {}

    void AddClass(const std::string& className, ClassReports& reports) {
        Problems(className, reports);
        ClassRow row;
        row.className = className;
        if (!reports.classification.empty()) Read(Latest(reports.classification), row, &Gatherer::ReadClassification);
        if (!reports.behaviour.empty()) Read(Latest(reports.behaviour), row, &Gatherer::ReadBehaviour);
        if (row.classified.present || row.exemplary.present || row.lowered.present) {
            AddToTotals(row);
            figures_.classes.push_back(std::move(row));
        }
    }

    void Finish() {
        std::stable_sort(figures_.ranked.begin(), figures_.ranked.end(), [](const RankedPupil& a, const RankedPupil& b) {
            if (a.average.value.has_value() != b.average.value.has_value()) return a.average.value.has_value();
            if (a.average.value != b.average.value) return a.average.value > b.average.value;
            return PolishBefore(a.pupil, b.pupil);
        });
        for (auto& [key, failures] : subjects_) figures_.failuresBySubject.push_back(std::move(failures));
        std::stable_sort(figures_.failuresBySubject.begin(), figures_.failuresBySubject.end(),
                         [](const SubjectFailures& a, const SubjectFailures& b) {
                             if (a.pupils.size() != b.pupils.size()) return a.pupils.size() > b.pupils.size();
                             return PolishBefore(a.subject, b.subject);
                         });
    }

private:
    using Reader = void (Gatherer::*)(const FolderReport&, ReportFile&, ClassRow&);

    static FolderReport& Latest(const std::vector<FolderReport*>& reports) {
        return **std::max_element(reports.begin(), reports.end(), WrittenEarlier);
    }

    // A report whose counts no file of its size could hold, or that cannot be read again, adds
    // nothing and is named instead.
    void Read(const FolderReport& report, ClassRow& row, Reader reader) {
        JudgedFile again = ReadAgain(report);
        if (!again.verdict.Sound()) return figures_.leftOut.push_back({report.file, std::move(again.verdict)});
        const std::unique_ptr<ReportFile> file = std::move(again.report);
        ClassRow read = row;
        const std::size_t ranked = figures_.ranked.size();
        const auto subjects = subjects_;
        try {
            (this->*reader)(report, *file, read);
            row = std::move(read);
        } catch (const DamagedReport&) {
            figures_.ranked.resize(ranked);
            subjects_ = subjects;
            figures_.leftOut.push_back({report.file, {Verdict::CountBeyondRecords, {}}});
        }
    }

    void Problems(const std::string& className, const ClassReports& reports) {
        if (reports.classification.size() > 1)
            figures_.problems.push_back(DoubledLine(className, kClassification, reports.classification));
        if (reports.behaviour.size() > 1)
            figures_.problems.push_back(DoubledLine(className, kBehaviour, reports.behaviour));
        if (reports.classification.empty())
            figures_.problems.push_back(MissingLine(className, kClassification, kBehaviour));
        if (reports.behaviour.empty())
            figures_.problems.push_back(MissingLine(className, kBehaviour, kClassification));
    }

    static void Heading(const FolderReport& report, ReportFile& file, ClassRow& row) {
        TpkXML& document = file.document();
        if (row.teacher.empty()) {
            row.teacher = report.teacher;
            row.teacherUtf8 = WideToUtf8(SchoolText("Belfer", document));
        }
        if (row.classNameUtf8.empty()) row.classNameUtf8 = AsciiUpper(WideToUtf8(SchoolText("Klasa", document)));
        if (!row.classified.present) row.classified = FigureOf(file.Value("Klasyfikowanych"));
    }

    void ReadClassification(const FolderReport& report, ReportFile& file, ClassRow& row) {
        Heading(report, file, row);
        row.fullAttendance = FigureOf(file.Value("Frekwencja", "IleOsob"));
        row.distinctions = FigureOf(file.Value("Pasek", "IleOsob"));
        row.failGrades = FigureOf(file.Value("Ndst", "IleOsob"));
        RecordsOf(row.fullAttendance, file);
        for (int32_t i = 1, n = RecordsOf(row.distinctions, file); i <= n; ++i) {
            const std::string pupil = Numbered("Uczen", i);
            figures_.ranked.push_back({file.Value("Pasek", pupil), row.className,
                                       FigureOf(file.Value("Pasek", pupil, "Srednia"))});
        }
        for (int32_t i = 1, n = RecordsOf(row.failGrades, file); i <= n; ++i) {
            const std::string pupil = Numbered("Uczen", i);
            const std::string who = file.Value("Ndst", pupil) + " (" + row.className + ")";
            for (const std::string& subject : ListParts(file.Value("Ndst", pupil, "Przedmioty")))
                AddFailure(subject, who);
        }
    }

    void ReadBehaviour(const FolderReport& report, ReportFile& file, ClassRow& row) {
        Heading(report, file, row);
        row.exemplary = FigureOf(file.Value("Wzorowi", "IleOsob"));
        RecordsOf(row.exemplary, file);
        const Figure cases = FigureOf(file.Value("Obnizone", "Ilosc"));
        if (!cases.value) {
            row.lowered = cases;
            return;
        }
        int64_t pupils = 0;
        for (int32_t i = 1, n = RecordsOf(cases, file); i <= n; ++i)
            pupils += PupilsNamed(file.Value("Obnizone", Numbered("Uzasadnienie", i), "Osoba"));
        row.lowered = FigureOf(std::to_string(pupils));
    }

    void AddFailure(const std::string& subject, const std::string& who) {
        std::string key;
        for (char c : subject) key += PolishLower(c);
        SubjectFailures& failures = subjects_[key];
        if (failures.subject.empty()) failures.subject = subject;
        failures.pupils.push_back(who);
    }

    void AddToTotals(const ClassRow& row) {
        Totals& totals = figures_.totals;
        const auto add = [](int64_t& sum, const Figure& figure) { sum += figure.value.value_or(0); };
        add(totals.classified, row.classified);
        add(totals.fullAttendance, row.fullAttendance);
        add(totals.distinctions, row.distinctions);
        add(totals.failGrades, row.failGrades);
        add(totals.exemplary, row.exemplary);
        add(totals.lowered, row.lowered);
    }

    SchoolFigures& figures_;
    std::map<std::string, SubjectFailures> subjects_;
};

}  // namespace

bool SchoolFigures::Doubtful() const {
    const auto doubtfulRow = [](const ClassRow& r) {
        return r.classified.Doubtful() || r.fullAttendance.Doubtful() || r.distinctions.Doubtful() ||
               r.failGrades.Doubtful() || r.exemplary.Doubtful() || r.lowered.Doubtful();
    };
    return std::any_of(classes.begin(), classes.end(), doubtfulRow) ||
           std::any_of(ranked.begin(), ranked.end(), [](const RankedPupil& p) { return p.average.Doubtful(); });
}

SchoolFigures GatherFigures(FolderReports& reports) {
    std::map<std::string, ClassReports, PolishLess> byClass;
    for (FolderReport& report : reports.reports) {
        if (report.type->text == kClassification) byClass[report.className].classification.push_back(&report);
        if (report.type->text == kBehaviour) byClass[report.className].behaviour.push_back(&report);
    }
    SchoolFigures figures;
    Gatherer gatherer(figures);
    for (auto& [className, classReports] : byClass) gatherer.AddClass(className, classReports);
    gatherer.Finish();
    return figures;
}
