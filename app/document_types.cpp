#include "document_types.h"

#include <array>
#include <utility>

#include "renderers.h"

namespace {

// Adapts the renderers that need no options to the common shape.
template <void (*Render)(bool, HtmlPage&, const std::string&)>
void Plain(bool AsTitle, HtmlPage& page, const std::string& path, const RenderOptions&) {
    Render(AsTitle, page, path);
}

// Looked up in this order; the first equal text wins.
const std::array<std::pair<std::string_view, ReportRenderer>, 9> kDocumentTypes = {{
    {"Klasyfikacja klasy", RenderClassClassification},
    {"Klasyfikacja klasy z zachowania", Plain<RenderBehaviourClassification>},
    {"Realizacja programu z przedmiotu nauczania", Plain<RenderTeachingProgramme>},
    {"Realizacja dodatkowych", Plain<RenderAdditionalClasses>},
    {"Uzasadnienie oceny niedostatecznej", Plain<RenderFailGradeJustification>},
    {"Sprawozdanie dyrektora", Plain<RenderPrincipalReport>},
    {"Realizacja programu wychowawczego", Plain<RenderUpbringingProgramme>},
    {"Inne informacje", Plain<RenderOtherInformation>},
    {"Z karty", Plain<RenderCardHours>},
}};

}  // namespace

ReportRenderer FindRenderer(std::string_view documentType) {
    for (const auto& [type, renderer] : kDocumentTypes)
        if (type == documentType) return renderer;
    return nullptr;
}
