#include "document_types.h"

#include "renderers.h"

namespace {

// Adapts the renderers that need no options to the common shape.
template <void (*Render)(bool, HtmlPage&, ReportFile&)>
void Plain(bool AsTitle, HtmlPage& page, ReportFile& report, const RenderOptions&) {
    Render(AsTitle, page, report);
}

// Looked up in this order; the first equal text wins.
const std::array<DocumentType, 9> kDocumentTypes = {{
    {"Klasyfikacja klasy", RenderClassClassification,
     "Klasyfikacja z nauczania", {"Klasa"}},
    {"Klasyfikacja klasy z zachowania", Plain<RenderBehaviourClassification>,
     "Klasyfikacja z zachowania", {"Klasa"}},
    {"Realizacja programu z przedmiotu nauczania", Plain<RenderTeachingProgramme>,
     "Realizacja programu nauczania", {"Przedmiot", "Klasy"}},
    {"Realizacja dodatkowych", Plain<RenderAdditionalClasses>,
     "Realizacja zaj\xEA\xE6 dodatkowych", {"Zajecia"}},
    {"Uzasadnienie oceny niedostatecznej", Plain<RenderFailGradeJustification>,
     "Uzasadnienie Ndst", {"Przedmiot", "Klasa"}},
    {"Sprawozdanie dyrektora", Plain<RenderPrincipalReport>,
     "Sprawozdanie dyrektora", {}},
    {"Realizacja programu wychowawczego", Plain<RenderUpbringingProgramme>,
     "Realizacja planu wychowawczego", {"Klasa"}},
    {"Inne informacje", Plain<RenderOtherInformation>,
     "Inne", {"Dotyczy"}},
    {"Z karty", Plain<RenderCardHours>,
     "Realizacja godzin wynikaj\xB9" "cych z karty", {}},
}};

}  // namespace

const DocumentType* FindDocumentType(std::string_view text) {
    for (const DocumentType& type : kDocumentTypes)
        if (type.text == text) return &type;
    return nullptr;
}

ReportRenderer FindRenderer(std::string_view documentType) {
    const DocumentType* type = FindDocumentType(documentType);
    return type ? type->render : nullptr;
}
