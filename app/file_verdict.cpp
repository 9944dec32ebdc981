#include "file_verdict.h"

#include "count_conversion.h"

std::string FileVerdict::Said() const { return Sound() ? "w porz\xB9" "dku" : "plik uszkodzony"; }

std::string FileVerdict::Advice() const { return Sound() ? "" : "popro\x9C nauczyciela o ponowne przes\xB3" "anie"; }

FileVerdict JudgeReport(ReportFile& report, const DocumentType* type) {
    if (!type) return {Verdict::Foreign, {}};
    return {};
}

JudgedFile JudgeReportFile(const std::string& path) {
    JudgedFile judged;
    try {
        judged.report = ReadReportFile(path, MissingFile::Raises);
    } catch (const std::bad_alloc&) {
        throw;
    } catch (const std::exception& error) {
        judged.verdict = {Verdict::Unreadable, error.what()};
        return judged;
    }
    judged.type = FindDocumentType(judged.report->Value("Doc"));
    judged.verdict = JudgeReport(*judged.report, judged.type);
    return judged;
}
