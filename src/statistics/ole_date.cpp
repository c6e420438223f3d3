#include "statistics/ole_date.h"

#include <cmath>
#include <optional>

namespace morvek::statistics {
namespace {

constexpr int kSecondsPerDay = 86400;
// A little wider than the years 100 to 9999, so that the day count fits any integer type.
constexpr double kMaxDayCount = 3.0e6;

QDate OleEpoch() {
    return QDate(1899, 12, 30);
}

struct CalendarTime {
    QDate date;
    QTime time;
};

// The integer part counts days (negative before the epoch); the fraction is the time of day
// whatever the sign, so -1.25 is 29 December 1899, 06:00.
std::optional<CalendarTime> FromOleDate(double oleDate) {
    if (!std::isfinite(oleDate) || std::fabs(oleDate) > kMaxDayCount) {
        return std::nullopt;
    }
    const double days = std::trunc(oleDate);
    qint64 seconds = std::llround(std::fabs(oleDate - days) * kSecondsPerDay);
    QDate date = OleEpoch().addDays(static_cast<qint64>(days));
    if (seconds >= kSecondsPerDay) {
        date = date.addDays(1);
        seconds -= kSecondsPerDay;
    }
    if (date.year() < 100 || date.year() > 9999) {
        return std::nullopt;
    }
    return CalendarTime{date, QTime(0, 0).addSecs(static_cast<int>(seconds))};
}

} // namespace

double ToOleDate(QDate date, QTime time) {
    const auto days = static_cast<double>(OleEpoch().daysTo(date));
    const double fraction = (time.msecsSinceStartOfDay() / 1000) / double(kSecondsPerDay);
    return days < 0 ? days - fraction : days + fraction;
}

bool IsValidOleDate(double oleDate) {
    return FromOleDate(oleDate).has_value();
}

QString FormatOleDate(double oleDate) {
    const std::optional<CalendarTime> value = FromOleDate(oleDate);
    if (!value) {
        return QStringLiteral("Invalid DateTime");
    }
    return value->date.toString(u"dd.MM.yyyy") + u' ' + value->time.toString(u"HH:mm:ss");
}

} // namespace morvek::statistics
