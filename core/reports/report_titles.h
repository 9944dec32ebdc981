#pragma once
// The titles the renderers write, Windows-1250. The class reports follow theirs with " - " and
// the class; the combined report of a folder heads each type's part with the title alone.
#include <string_view>

#include "ansi_literal.h"

namespace titles {

inline constexpr std::string_view kClassClassification = "KLASYFIKACJA KLASY";
inline constexpr std::string_view kBehaviourClassification = "ZACHOWANIE";
inline constexpr std::string_view kFailGradeJustification = "UZASADNIENIE OCENY NIEDOSTATECZNEJ";
inline constexpr std::string_view kPrincipalReport = Ansi<"SPRAWOZDANIE DYREKTORA SZKOŁY">;
inline constexpr std::string_view kOtherInformation = "INNE INFORMACJE";
inline constexpr std::string_view kCardHours = Ansi<"REALIZACJA ZAJĘĆ WYNIKAJĄCYCH Z KARTY">;
inline constexpr std::string_view kTeachingProgramme = "REALIZACJA PROGRAMU NAUCZANIA";
inline constexpr std::string_view kUpbringingProgramme = "REALIZACJA PROGRAMU WYCHOWAWCZEGO";
inline constexpr std::string_view kAdditionalClasses = Ansi<"REALIZACJA ZAJĘĆ DODATKOWYCH">;

}  // namespace titles
