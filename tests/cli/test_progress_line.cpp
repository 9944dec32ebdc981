#include <gtest/gtest.h>

#include <sstream>

#include "progress_line.h"

namespace {

using namespace std::chrono_literals;

struct FakeClock {
    std::chrono::steady_clock::time_point now{};
    ProgressLine::Clock AsClock() {
        return [this] { return now; };
    }
};

}  // namespace

TEST(ProgressLine, AppearsAfterASecondOnlyAndClearsAway) {
    std::ostringstream terminal;
    FakeClock clock;
    ProgressLine line(terminal, true, clock.AsClock());
    clock.now += 999ms;
    line.Show(5, 1000);
    line.Clear();
    EXPECT_EQ(terminal.str(), "") << "a quick run shows nothing";
    clock.now += 1ms;
    line.Show(120, 1000);
    clock.now += 10ms;
    line.Show(121, 1000);  // too soon to redraw
    clock.now += 100ms;
    line.Show(130, 1000);
    line.Clear();
    line.Clear();
    EXPECT_EQ(terminal.str(), "\rulnik-render: 120/1000\rulnik-render: 130/1000\r" + std::string(22, ' ') + "\r");
}

TEST(ProgressLine, NeverShownWhereNotWanted) {
    std::ostringstream terminal;
    FakeClock clock;
    ProgressLine line(terminal, false, clock.AsClock());
    clock.now += 10s;
    line.Show(1, 2);
    line.Clear();
    EXPECT_EQ(terminal.str(), "");
}
