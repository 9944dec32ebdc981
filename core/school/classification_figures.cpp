#include "classification_figures.h"

#include <algorithm>
#include <map>

#include "code_page.h"
#include "count_conversion.h"
#include "messages.h"
#include "polish_order.h"
#include "utf8.h"

namespace {

constexpr std::string_view kClassification = "Klasyfikacja klasy";
constexpr std::string_view kBehaviour = "Klasyfikacja klasy z zachowania";

// Classes and names in the school's order; texts that tie there by their bytes.
bool SchoolBefore(const std::string& a, const std::string& b) {
    const std::string x = WideToAnsi(Utf8ToWide(a)), y = WideToAnsi(Utf8ToWide(b));
    if (const int order = ComparePolish(x, y)) return order < 0;
    return a < b;
}

struct SchoolLess {
    bool operator()(const std::string& a, const std::string& b) const { return SchoolBefore(a, b); }
};

// The sound reports of one class, by type.
struct ClassReports {
    std::string className;
    std::vector<FolderReport*> classification, behaviour;
};

// Classes are told apart by every character their reports hold. A letter the reader could not
// keep (it reads as "?") may stand for any: such classes are told apart by their teacher too,
// so that two classes never merge into one and lose a report.
std::string ClassKey(const FolderReport& report) {
    if (report.classUtf8.find('?') == std::string::npos) return report.classUtf8;
    return report.classUtf8 + '\x1F' + report.teacher;
}

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

std::string Quoted(std::string_view type) { return "„" + std::string(type) + "”"; }

std::string FileName(const std::string& path) { return messages::ShownFileName(path).ToUtf8(); }

std::string DoubledLine(const std::string& className, std::string_view type, std::vector<FolderReport*> reports) {
    std::sort(reports.begin(), reports.end(), WrittenEarlier);
    std::string line = "Klasa " + className + ": więcej niż jedno sprawozdanie " + Quoted(type) + ": ";
    for (std::size_t i = 0; i < reports.size(); ++i) {
        line += (i ? ", " : "") + FileName(reports[i]->file) + " (";
        line += reports[i]->date.empty() ? "bez daty" : AnsiToUtf8(reports[i]->date);
        line += ")";
    }
    const FolderReport& used = *reports.back();
    const bool tie = DateKey(reports[reports.size() - 2]->date) == DateKey(used.date);
    if (tie) return line + "; daty są równe, więc użyto " + FileName(used.file) + " (ostatni według nazwy pliku).";
    return line + "; użyto " + FileName(used.file) + " (późniejsza data).";
}

std::string MissingLine(const std::string& className, std::string_view missing, std::string_view present) {
    return "Klasa " + className + ": brak sprawozdania " + Quoted(missing) + " (jest " + Quoted(present) + ").";
}

std::string DisagreementLine(const ClassRow& row) {
    return "Klasa " + row.className + ": liczba klasyfikowanych w " + Quoted(kClassification) + " (" +
           row.classified.written + ") różni się od liczby w " + Quoted(kBehaviour) + " (" +
           row.behaviourClassified.written + "); użyto " + FigureText(row.classified) + ".";
}

// A lowered-behaviour case may name several pupils, separated by commas; a case names one at least.
int64_t PupilsNamed(const std::string& persons) {
    return std::max<int64_t>(1, static_cast<int64_t>(ListParts(persons).size()));
}

// The classes of one share's base, and its numerators over them.
void AddToBases(const ClassRow& row, Totals& totals) {
    const auto value = [](const Figure& figure) { return figure.value.value_or(0); };
    if (row.InClassificationBase()) {
        totals.classificationBase.pupils += *row.classified.value;
        ++totals.classificationBase.classes;
        totals.fullAttendanceInBase += value(row.fullAttendance);
        totals.distinctionsInBase += value(row.distinctions);
        totals.failGradesInBase += value(row.failGrades);
    } else if (row.classification) {
        totals.classificationBase.outside.push_back(row.className);
    }
    if (const std::optional<int64_t> pupils = row.BehaviourBase()) {
        totals.behaviourBase.pupils += *pupils;
        ++totals.behaviourBase.classes;
        totals.exemplaryInBase += value(row.exemplary);
        totals.loweredInBase += value(row.lowered);
    } else if (row.behaviour) {
        totals.behaviourBase.outside.push_back(row.className);
    }
}

void AddToSums(const ClassRow& row, Totals& totals) {
    const auto add = [](int64_t& sum, const Figure& figure) { sum += figure.value.value_or(0); };
    add(totals.classified, row.classified);
    add(totals.fullAttendance, row.fullAttendance);
    add(totals.distinctions, row.distinctions);
    add(totals.failGrades, row.failGrades);
    add(totals.exemplary, row.exemplary);
    add(totals.lowered, row.lowered);
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
        if (!row.classification && !row.behaviour) return;
        if (Disagree(row)) figures_.problems.push_back(DisagreementLine(row));
        AddToSums(row, figures_.totals);
        AddToBases(row, figures_.totals);
        figures_.classes.push_back(std::move(row));
    }

    void Finish() {
        std::stable_sort(figures_.ranked.begin(), figures_.ranked.end(), [](const RankedPupil& a, const RankedPupil& b) {
            if (a.average.value.has_value() != b.average.value.has_value()) return a.average.value.has_value();
            if (a.average.value != b.average.value) return a.average.value > b.average.value;
            return SchoolBefore(a.pupil, b.pupil);
        });
        for (auto& [key, failures] : subjects_) figures_.failuresBySubject.push_back(std::move(failures));
        std::stable_sort(figures_.failuresBySubject.begin(), figures_.failuresBySubject.end(),
                         [](const SubjectFailures& a, const SubjectFailures& b) {
                             if (a.pupils.size() != b.pupils.size()) return a.pupils.size() > b.pupils.size();
                             return SchoolBefore(a.subject, b.subject);
                         });
    }

private:
    using Reader = void (Gatherer::*)(const FolderReport&, ReportFile&, ClassRow&);

    static FolderReport& Latest(const std::vector<FolderReport*>& reports) {
        return **std::max_element(reports.begin(), reports.end(), WrittenEarlier);
    }

    static bool Disagree(const ClassRow& row) {
        return row.classification && row.behaviour && row.classified.value && row.behaviourClassified.value &&
               *row.classified.value != *row.behaviourClassified.value;
    }

    // A report that is no longer sound when read again (it changed since) adds nothing and is
    // named instead.
    void Read(const FolderReport& report, ClassRow& row, Reader reader) {
        JudgedFile again = ReadAgain(report);
        if (!again.verdict.Sound()) return figures_.leftOut.push_back({report.file, std::move(again.verdict)});
        (this->*reader)(report, *again.report, row);
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

    static void Heading(ReportFile& file, ClassRow& row) {
        if (row.teacher.empty()) row.teacher = file.Utf8({"Belfer"});
    }

    void ReadClassification(const FolderReport&, ReportFile& file, ClassRow& row) {
        Heading(file, row);
        row.classification = true;
        row.classified = FigureOf(file.Utf8({"Klasyfikowanych"}));
        row.fullAttendance = FigureOf(file.Utf8({"Frekwencja", "IleOsob"}));
        row.distinctions = FigureOf(file.Utf8({"Pasek", "IleOsob"}));
        row.failGrades = FigureOf(file.Utf8({"Ndst", "IleOsob"}));
        for (int64_t i = 1, n = row.distinctions.value.value_or(0); i <= n; ++i) {
            const std::string pupil = Numbered("Uczen", static_cast<int32_t>(i));
            figures_.ranked.push_back({file.Utf8({"Pasek", pupil}), row.className,
                                       FigureOf(file.Utf8({"Pasek", pupil, "Srednia"}))});
        }
        for (int64_t i = 1, n = row.failGrades.value.value_or(0); i <= n; ++i) {
            const std::string pupil = Numbered("Uczen", static_cast<int32_t>(i));
            const std::string who = file.Utf8({"Ndst", pupil}) + " (" + row.className + ")";
            for (const std::string& subject : ListParts(file.Utf8({"Ndst", pupil, "Przedmioty"})))
                AddFailure(subject, who);
        }
    }

    void ReadBehaviour(const FolderReport&, ReportFile& file, ClassRow& row) {
        Heading(file, row);
        row.behaviour = true;
        row.behaviourClassified = FigureOf(file.Utf8({"Klasyfikowanych"}));
        if (!row.classification) row.classified = row.behaviourClassified;
        row.exemplary = FigureOf(file.Utf8({"Wzorowi", "IleOsob"}));
        const Figure cases = FigureOf(file.Utf8({"Obnizone", "Ilosc"}));
        if (!cases.value) {
            row.lowered = cases;
            return;
        }
        int64_t pupils = 0;
        for (int64_t i = 1; i <= *cases.value; ++i)
            pupils += PupilsNamed(file.Utf8({"Obnizone", Numbered("Uzasadnienie", static_cast<int32_t>(i)), "Osoba"}));
        row.lowered = FigureOf(std::to_string(pupils));
    }

    void AddFailure(const std::string& subject, const std::string& who) {
        SubjectFailures& failures = subjects_[SubjectKey(subject)];
        if (failures.subject.empty()) failures.subject = subject;
        failures.pupils.push_back(who);
    }

    // Case folded by the Polish alphabet; a name the code page cannot write is told apart by its
    // own characters, so that two such names never meet under the same "?".
    static std::string SubjectKey(const std::string& subject) {
        const std::string ansi = WideToAnsi(Utf8ToWide(subject));
        std::string key;
        for (char c : ansi) key += PolishLower(c);
        return AnsiToUtf8(ansi) == subject ? key : key + '\0' + subject;
    }

    SchoolFigures& figures_;
    std::map<std::string, SubjectFailures> subjects_;
};

}  // namespace

bool Figure::Doubtful() const {
    if (!present) return false;
    if (!value || written.empty()) return true;
    return !std::all_of(written.begin(), written.end(), [](char c) { return c >= '0' && c <= '9'; });
}

std::optional<int64_t> ClassRow::BehaviourBase() const {
    if (!behaviour) return std::nullopt;
    if (classified.value) return classified.value;
    return behaviourClassified.value;
}

std::string FigureText(const Figure& figure) {
    if (!figure.present) return {};
    return figure.value ? std::to_string(*figure.value) : figure.written;
}

bool SchoolFigures::Doubtful() const {
    const auto doubtfulRow = [](const ClassRow& r) {
        return r.classified.Doubtful() || r.fullAttendance.Doubtful() || r.distinctions.Doubtful() ||
               r.failGrades.Doubtful() || r.exemplary.Doubtful() || r.lowered.Doubtful();
    };
    return std::any_of(classes.begin(), classes.end(), doubtfulRow) ||
           std::any_of(ranked.begin(), ranked.end(), [](const RankedPupil& p) { return p.average.Doubtful(); });
}

SchoolFigures GatherFigures(FolderReports& reports) {
    std::map<std::string, ClassReports, SchoolLess> byClass;
    for (FolderReport& report : reports.reports) {
        const bool classification = report.type->text == kClassification, behaviour = report.type->text == kBehaviour;
        if (!classification && !behaviour) continue;
        ClassReports& reportsOfClass = byClass[ClassKey(report)];
        reportsOfClass.className = report.classUtf8;
        (classification ? reportsOfClass.classification : reportsOfClass.behaviour).push_back(&report);
    }
    SchoolFigures figures;
    Gatherer gatherer(figures);
    for (auto& [key, classReports] : byClass) gatherer.AddClass(classReports.className, classReports);
    gatherer.Finish();
    return figures;
}
