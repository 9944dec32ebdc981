#include "hundredths.h"

#include <cstdlib>

std::string FormatHundredths(int32_t value, std::string_view separator) {
    const int64_t wide = value;
    const int64_t magnitude = std::llabs(wide);
    const int64_t cents = magnitude % 100;
    std::string text = wide < 0 ? "-" : "";
    text += std::to_string(magnitude / 100);
    text += separator;
    if (cents < 10) text += '0';
    text += std::to_string(cents);
    return text;
}
