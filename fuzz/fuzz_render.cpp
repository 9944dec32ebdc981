// Feeds arbitrary bytes through what a report goes through: identification, the renderer its
// type names, the foot, the page bytes, and the folder list's summary line. The locale is
// fixed, so runs repeat.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "count_conversion.h"
#include "document_types.h"
#include "folder_list.h"
#include "html_page.h"
#include "load_warning.h"
#include "report_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    try {
        ReportFile report(bytes);
        const std::string type = report.Value("Doc");
        const std::string date = report.Value("Date");
        if (report.Break()) {
            volatile size_t warned = IncompleteFileWarning(*report.Break()).Bytes().size();
            (void)warned;
        }
        HtmlPage page;
        BeginPage(page);
        if (const DocumentType* found = FindDocumentType(type)) found->render(true, page, report, RenderOptions(","));
        AddTextLine("Utworzono: " + date, page);
        EndPage(page);
        volatile size_t written = PageBytes(page).size();
        (void)written;
        volatile size_t summary = (report.Value("Belfer") + SummarySuffix(type, report.document())).size();
        (void)summary;
    } catch (const ConversionError&) {
    } catch (const DamagedReport&) {
    } catch (const XmlNestingTooDeep&) {
    }
    return 0;
}
