#pragma once
// Bar charts of the classification summary, one bar per class, as inline SVG: read at a glance
// on screen, drawn as vectors when printed, and nothing in them runs.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct Bar {
    std::string label;             // UTF-8, unescaped
    std::optional<int64_t> value;  // none: the count was not a number, marked instead of drawn
};

// One <svg> element on one line.
std::string BarChartSvg(std::string_view title, const std::vector<Bar>& bars, std::string_view colour);
