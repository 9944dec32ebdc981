#include "qt_locale.h"

#include <QCollator>
#include <QDateTime>
#include <QRegularExpression>

#include <algorithm>

#include "code_page.h"

namespace {

std::string ToAnsi(const QString& text) {
    return WideToAnsi(std::u16string_view(reinterpret_cast<const char16_t*>(text.utf16()),
                                          static_cast<size_t>(text.size())));
}

QString FromAnsi(const std::string& text) {
    const std::u16string wide = AnsiToWide(text);
    return QString::fromUtf16(wide.data(), static_cast<qsizetype>(wide.size()));
}

}  // namespace

// Qt's long time format names the time zone ("t"); the list shows the time alone.
QString LongTimeFormatWithoutZone(const QLocale& locale) {
    QString format = locale.timeFormat(QLocale::LongFormat);
    format.remove(QRegularExpression(QStringLiteral("\\s*t+\\s*")));
    return format.trimmed();
}

std::string QtLocale::DecimalSeparator() { return ToAnsi(locale_.decimalPoint()); }

std::string QtLocale::CurrentDateText() {
    return ToAnsi(locale_.toString(QDate::currentDate(), QLocale::ShortFormat));
}

std::string QtLocale::CurrentTimeText() {
    return ToAnsi(locale_.toString(QTime::currentTime(), LongTimeFormatWithoutZone(locale_)));
}

void QtLocale::SortIgnoringCase(std::vector<std::string>& lines) {
    QCollator collator(locale_);
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    struct Keyed {
        QCollatorSortKey key;
        std::string line;
    };
    std::vector<Keyed> keyed;
    keyed.reserve(lines.size());
    for (auto& line : lines) keyed.push_back({collator.sortKey(FromAnsi(line).toCaseFolded()), std::move(line)});
    std::stable_sort(keyed.begin(), keyed.end(), [](const Keyed& a, const Keyed& b) { return a.key < b.key; });
    for (size_t i = 0; i < lines.size(); ++i) lines[i] = std::move(keyed[i].line);
}
