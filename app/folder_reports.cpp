#include "folder_reports.h"

#include "polish_order.h"
#include "report_search.h"

namespace {

// Null when the file is left out.
std::unique_ptr<ReportFile> ReadOrLeaveOut(const std::string& path) {
    try {
        return ReadReportFile(path, MissingFile::Raises);
    } catch (const std::bad_alloc&) {
        throw;
    } catch (const std::exception&) {
        return nullptr;
    }
}

std::string ClassOf(ReportFile& report) {
    const std::string single = report.Value("Klasa");
    return AsciiUpper(single.empty() ? report.Value("Klasy") : single);
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
        std::unique_ptr<ReportFile> report = ReadOrLeaveOut(files[i]);
        const DocumentType* type = report ? FindDocumentType(report->Value("Doc")) : nullptr;
        if (!type) {
            read.leftOut.push_back(files[i]);
            continue;
        }
        FolderReport& entry = read.reports.emplace_back();
        entry.file = files[i];
        entry.type = type;
        entry.className = ClassOf(*report);
        entry.teacher = report->Value("Belfer");
        entry.date = report->Value("Date");
    }
    if (progress && !progress->Advance(files.size(), files.size())) read.cancelled = true;
    return read;
}

std::unique_ptr<ReportFile> ReadAgain(const FolderReport& report) {
    std::unique_ptr<ReportFile> again = ReadOrLeaveOut(report.file);
    if (!again || FindDocumentType(again->Value("Doc")) != report.type) return nullptr;
    return again;
}

bool InSchoolOrder(const FolderReport& a, const FolderReport& b) {
    if (const int byClass = ComparePolish(a.className, b.className)) return byClass < 0;
    if (const int byTeacher = ComparePolish(a.teacher, b.teacher)) return byTeacher < 0;
    return a.file < b.file;
}
