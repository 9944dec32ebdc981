#pragma once
// "ulnik-render: 120/1000" on a terminal, redrawn in place, for work that has taken more than
// a second; quick runs never show it. Whoever writes another line clears it first.
#include <chrono>
#include <cstddef>
#include <functional>
#include <iosfwd>

class ProgressLine {
public:
    using Clock = std::function<std::chrono::steady_clock::time_point()>;

    // `shown`: whether the line is wanted at all (the output is a terminal).
    ProgressLine(std::ostream& out, bool shown, Clock clock = std::chrono::steady_clock::now);

    void Show(std::size_t done, std::size_t total);
    // Blanks the line and puts the cursor back at its start, when it is drawn.
    void Clear();

private:
    std::ostream& out_;
    bool shown_;
    Clock clock_;
    std::chrono::steady_clock::time_point start_;
    std::chrono::steady_clock::time_point drawn_;
    std::size_t width_ = 0;  // of the line on screen; 0 when none is
};
