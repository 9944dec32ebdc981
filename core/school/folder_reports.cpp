#include "folder_reports.h"

#include "polish_order.h"
#include "report_search.h"

namespace {

std::string ClassOf(ReportFile& report) {
    const std::string single = report.Value("Klasa");
    return AsciiUpper(single.empty() ? report.Value("Klasy") : single);
}

std::string ClassInUtf8(ReportFile& report) {
    const std::string single = report.Utf8({"Klasa"});
    return AsciiUpper(single.empty() ? report.Utf8({"Klasy"}) : single);
}

}  // namespace

FolderReports ReadFolderReports(const std::string& folder, FolderProgress* progress) {
    const std::vector<std::string> files = FindReportFiles(folder);
    FolderReports read;
    read.files = files.size();
    for (std::size_t i = 0; i < files.size(); ++i) {
        if (progress && !progress->Advance(i, files.size())) {
            read.cancelled = true;
            return read;
        }
        JudgedFile judged = JudgeReportFile(files[i]);
        if (!judged.verdict.Sound()) {
            read.leftOut.push_back({files[i], std::move(judged.verdict)});
            continue;
        }
        ReportFile* report = judged.report.get();
        const DocumentType* type = judged.type;
        FolderReport& entry = read.reports.emplace_back();
        entry.file = files[i];
        entry.type = type;
        entry.className = ClassOf(*report);
        entry.classUtf8 = ClassInUtf8(*report);
        entry.teacher = report->Value("Belfer");
        entry.date = report->Value("Date");
    }
    if (progress && !progress->Advance(files.size(), files.size())) read.cancelled = true;
    return read;
}

JudgedFile ReadAgain(const FolderReport& report) {
    JudgedFile again = JudgeReportFile(report.file);
    if (again.verdict.Sound() && again.type != report.type) again.verdict = {Verdict::Foreign, {}};
    return again;
}

bool InSchoolOrder(const FolderReport& a, const FolderReport& b) {
    if (const int byClass = ComparePolish(a.className, b.className)) return byClass < 0;
    if (const int byTeacher = ComparePolish(a.teacher, b.teacher)) return byTeacher < 0;
    return a.file < b.file;
}
