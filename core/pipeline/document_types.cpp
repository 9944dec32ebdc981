#include "document_types.h"

#include <stdexcept>

#include "ansi_literal.h"
#include "renderers.h"
#include "report_titles.h"

namespace {

// Adapts the renderers that need no options to the common shape.
template <void (*Render)(bool, HtmlPage&, ReportFile&)>
void Plain(bool AsTitle, HtmlPage& page, ReportFile& report, const RenderOptions&) {
    Render(AsTitle, page, report);
}

// Looked up in this order; the first equal text wins.
const std::array<DocumentType, kDocumentTypeCount> kDocumentTypes = {{
    {"Klasyfikacja klasy", RenderClassClassification,
     "Klasyfikacja z nauczania", {"Klasa"}, 1, titles::kClassClassification},
    {"Klasyfikacja klasy z zachowania", Plain<RenderBehaviourClassification>,
     "Klasyfikacja z zachowania", {"Klasa"}, 2, titles::kBehaviourClassification},
    {"Realizacja programu z przedmiotu nauczania", Plain<RenderTeachingProgramme>,
     "Realizacja programu nauczania", {"Przedmiot", "Klasy"}, 4, titles::kTeachingProgramme},
    {"Realizacja dodatkowych", Plain<RenderAdditionalClasses>,
     Ansi<"Realizacja zajęć dodatkowych">, {"Zajecia"}, 6, titles::kAdditionalClasses},
    {"Uzasadnienie oceny niedostatecznej", Plain<RenderFailGradeJustification>,
     "Uzasadnienie Ndst", {"Przedmiot", "Klasa"}, 3, titles::kFailGradeJustification},
    {"Sprawozdanie dyrektora", Plain<RenderPrincipalReport>,
     "Sprawozdanie dyrektora", {}, 0, ""},
    {"Realizacja programu wychowawczego", Plain<RenderUpbringingProgramme>,
     "Realizacja planu wychowawczego", {"Klasa"}, 5, titles::kUpbringingProgramme},
    {"Inne informacje", Plain<RenderOtherInformation>,
     "Inne", {"Dotyczy"}, 8, titles::kOtherInformation},
    {"Z karty", Plain<RenderCardHours>,
     Ansi<"Realizacja godzin wynikających z karty">, {}, 7, titles::kCardHours},
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

const DocumentType& TypeInCombinedPlace(int place) {
    for (const DocumentType& type : kDocumentTypes)
        if (type.combinedPlace == place) return type;
    throw std::out_of_range("no document type has this place");
}
