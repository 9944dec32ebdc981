#pragma once
// One renderer per report type. Each reads the parsed report and appends the report's body to
// the page; it raises on a count that is not a whole number and on counts the file cannot hold.
#include <string>

#include "html_page.h"
#include "report_file.h"

void RenderClassClassification(bool AsTitle, HtmlPage& page, ReportFile& report,
                               const RenderOptions& options);
void RenderBehaviourClassification(bool AsTitle, HtmlPage& page, ReportFile& report);
void RenderTeachingProgramme(bool AsTitle, HtmlPage& page, ReportFile& report);
void RenderAdditionalClasses(bool AsTitle, HtmlPage& page, ReportFile& report);
void RenderUpbringingProgramme(bool AsTitle, HtmlPage& page, ReportFile& report);
void RenderFailGradeJustification(bool AsTitle, HtmlPage& page, ReportFile& report);
void RenderPrincipalReport(bool AsTitle, HtmlPage& page, ReportFile& report);
void RenderOtherInformation(bool AsTitle, HtmlPage& page, ReportFile& report);
void RenderCardHours(bool AsTitle, HtmlPage& page, ReportFile& report);
