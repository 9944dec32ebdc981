#include "summary_charts.h"

#include <algorithm>

#include "school_page_html.h"

namespace {

enum Geometry : int64_t {
    kWidth = 640,
    kLabelWidth = 80,   // the class names, right-aligned before the bars
    kBarsWidth = 480,   // the longest bar; its figure stands after it
    kTitleHeight = 26,
    kRowHeight = 20,
    kBarHeight = 14,
    kBottom = 8,
};

std::string Attribute(std::string_view name, int64_t value) {
    return " " + std::string(name) + "=\"" + std::to_string(value) + "\"";
}

std::string Text(int64_t x, int64_t y, std::string_view anchor, std::string_view escaped) {
    return "<text" + Attribute("x", x) + Attribute("y", y) + " text-anchor=\"" + std::string(anchor) +
           "\" font-size=\"12\">" + std::string(escaped) + "</text>";
}

std::string Row(const Bar& bar, int64_t top, int64_t largest, std::string_view colour) {
    const int64_t baseline = top + kBarHeight - 2;
    std::string row = Text(kLabelWidth - 6, baseline, "end", HtmlText(bar.label));
    if (!bar.value) return row + Text(kLabelWidth, baseline, "start", "*");
    const int64_t width = largest > 0 ? *bar.value * kBarsWidth / largest : 0;
    row += "<rect" + Attribute("x", kLabelWidth) + Attribute("y", top) + Attribute("width", width) +
           Attribute("height", kBarHeight) + " fill=\"" + std::string(colour) + "\"/>";
    return row + Text(kLabelWidth + width + 4, baseline, "start", std::to_string(*bar.value));
}

}  // namespace

std::string BarChartSvg(std::string_view title, const std::vector<Bar>& bars, std::string_view colour) {
    int64_t largest = 0;
    for (const Bar& bar : bars) largest = std::max(largest, bar.value.value_or(0));
    const int64_t height = kTitleHeight + static_cast<int64_t>(bars.size()) * kRowHeight + kBottom;
    // As wide as the page allows, up to its own width: the window's page is narrower than a printed one.
    std::string svg = "<svg xmlns=\"http://www.w3.org/2000/svg\" role=\"img\" style=\"width:100%;max-width:" +
                      std::to_string(kWidth) + "px;height:auto\"" + Attribute("width", kWidth) +
                      Attribute("height", height) + " viewBox=\"0 0 " + std::to_string(kWidth) + " " +
                      std::to_string(height) + "\" aria-label=\"" + HtmlEscaped(title) + "\">";
    svg += "<text x=\"0\" y=\"16\" font-size=\"13\" font-weight=\"bold\">" + HtmlEscaped(title) + "</text>";
    int64_t top = kTitleHeight;
    for (const Bar& bar : bars) {
        svg += Row(bar, top, largest, colour);
        top += kRowHeight;
    }
    return svg + "</svg>";
}
