#pragma once
// One renderer per report type. Each parses the report at `path` into a tree of its own and
// appends the report's body to the page; it raises on a count that is not a whole number,
// on a count the file cannot hold, and when the file cannot be opened.
#include <string>

#include "html_page.h"
#include "report_file.h"

void RenderClassClassification(bool AsTitle, HtmlPage& page, const std::string& path,
                               const RenderOptions& options);
void RenderBehaviourClassification(bool AsTitle, HtmlPage& page, const std::string& path);
void RenderTeachingProgramme(bool AsTitle, HtmlPage& page, const std::string& path);
void RenderAdditionalClasses(bool AsTitle, HtmlPage& page, const std::string& path);
void RenderUpbringingProgramme(bool AsTitle, HtmlPage& page, const std::string& path);
void RenderFailGradeJustification(bool AsTitle, HtmlPage& page, const std::string& path);
void RenderPrincipalReport(bool AsTitle, HtmlPage& page, const std::string& path);
void RenderOtherInformation(bool AsTitle, HtmlPage& page, const std::string& path);
void RenderCardHours(bool AsTitle, HtmlPage& page, const std::string& path);
