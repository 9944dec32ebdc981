#include "progress_line.h"

#include <ostream>
#include <string>

namespace {

constexpr auto kQuietFor = std::chrono::seconds(1);
// A terminal gains nothing from more redraws than the eye can follow.
constexpr auto kRedrawEvery = std::chrono::milliseconds(100);

}  // namespace

ProgressLine::ProgressLine(std::ostream& out, bool shown, Clock clock)
    : out_(out), shown_(shown), clock_(std::move(clock)), start_(clock_()) {}

void ProgressLine::Show(std::size_t done, std::size_t total) {
    if (!shown_) return;
    const auto now = clock_();
    if (now - start_ < kQuietFor || (width_ > 0 && now - drawn_ < kRedrawEvery)) return;
    // The count only grows, so each line covers the one before.
    const std::string text = "ulnik-render: " + std::to_string(done) + "/" + std::to_string(total);
    out_ << '\r' + text << std::flush;
    width_ = text.size();
    drawn_ = now;
}

void ProgressLine::Clear() {
    if (width_ == 0) return;
    out_ << '\r' + std::string(width_, ' ') + '\r' << std::flush;
    width_ = 0;
}
