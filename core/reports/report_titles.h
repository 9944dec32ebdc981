#pragma once
// The titles the renderers write, Windows-1250. The class reports follow theirs with " - " and
// the class; the combined report of a folder heads each type's part with the title alone.
#include <string_view>

namespace titles {

inline constexpr std::string_view kClassClassification = "KLASYFIKACJA KLASY";
inline constexpr std::string_view kBehaviourClassification = "ZACHOWANIE";
inline constexpr std::string_view kFailGradeJustification = "UZASADNIENIE OCENY NIEDOSTATECZNEJ";
inline constexpr std::string_view kPrincipalReport = "SPRAWOZDANIE DYREKTORA SZKO\xA3Y";
inline constexpr std::string_view kOtherInformation = "INNE INFORMACJE";
inline constexpr std::string_view kCardHours = "REALIZACJA ZAJ\xCA\xC6 WYNIKAJ\xA5" "CYCH Z KARTY";
inline constexpr std::string_view kTeachingProgramme = "REALIZACJA PROGRAMU NAUCZANIA";
inline constexpr std::string_view kUpbringingProgramme = "REALIZACJA PROGRAMU WYCHOWAWCZEGO";
inline constexpr std::string_view kAdditionalClasses = "REALIZACJA ZAJ\xCA\xC6 DODATKOWYCH";

}  // namespace titles
