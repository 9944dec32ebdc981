// The command-line tool reads the separator, date and time from the C library: for a Polish
// user they must be what the viewer writes with Qt, byte for byte.
#include <gtest/gtest.h>

#include <QDate>
#include <QTime>
#include <clocale>

#include "c_library_locale.h"
#include "qt_locale.h"

namespace {

// The C library's locale for the length of a test.
class CLocale {
public:
    explicit CLocale(const char* name) : saved_(std::setlocale(LC_ALL, nullptr)) {
        set_ = std::setlocale(LC_ALL, name);
    }
    ~CLocale() { std::setlocale(LC_ALL, saved_.c_str()); }
    bool Set() const { return set_ != nullptr; }

private:
    std::string saved_;
    const char* set_ = nullptr;
};

std::tm At(int year, int month, int day, int hour, int minute, int second) {
    std::tm when {};
    when.tm_year = year - 1900;
    when.tm_mon = month - 1;
    when.tm_mday = day;
    when.tm_hour = hour;
    when.tm_min = minute;
    when.tm_sec = second;
    std::mktime(&when);  // the day of the week and of the year
    return when;
}

}  // namespace

TEST(CLibraryLocale, APolishUserGetsWhatQtWrites) {
    const CLocale polish("pl_PL.UTF-8");
    ASSERT_TRUE(polish.Set()) << "the Polish locale is not generated";
    const QLocale qt(QLocale::Polish, QLocale::Poland);
    EXPECT_EQ(c_library_locale::DecimalSeparator(), QtLocale(qt).DecimalSeparator());
    for (const auto& [date, time] : {std::pair{QDate(2026, 12, 9), QTime(0, 37, 40)},
                                     std::pair{QDate(2027, 1, 25), QTime(9, 5, 7)},
                                     std::pair{QDate(2026, 10, 1), QTime(23, 59, 59)}}) {
        const std::tm when = At(date.year(), date.month(), date.day(), time.hour(), time.minute(), time.second());
        EXPECT_EQ(c_library_locale::DateText(when), qt.toString(date, QLocale::ShortFormat).toStdString());
        EXPECT_EQ(c_library_locale::TimeText(when), qt.toString(time, LongTimeFormatWithoutZone(qt)).toStdString());
    }
}

TEST(CLibraryLocale, TheCLocaleWritesAPoint) {
    const CLocale c("C");
    EXPECT_EQ(c_library_locale::DecimalSeparator(), ".");
    EXPECT_EQ(c_library_locale::DateText(At(2026, 12, 9, 8, 5, 0)), "12/9/26");
    EXPECT_EQ(c_library_locale::TimeText(At(2026, 12, 9, 8, 5, 0)), "08:05:00");
}
