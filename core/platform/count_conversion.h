#pragma once
// Counts in report files are whole numbers with no default: anything that is not one is
// an error the caller must see, never a silent zero.
#include <cstdint>
#include <stdexcept>
#include <string_view>

class ConversionError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// An optional sign and decimal digits, or hexadecimal digits after "$", "x", "X", "0x" or
// "0X" (no sign then). Empty text, anything after the digits and values outside the signed
// 32-bit range raise ConversionError.
int32_t StrToInt(std::string_view text);
