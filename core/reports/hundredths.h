#pragma once
// Averages are stored in hundredths (475 for 4.75); integer arithmetic keeps every one exact.
#include <cstdint>
#include <string>
#include <string_view>

// The value with exactly two decimals after `separator`, no thousands separator: 475 gives
// "4,75", 5 gives "0,05".
std::string FormatHundredths(int32_t value, std::string_view separator);
