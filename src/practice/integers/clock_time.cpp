#include "practice/integers/clock_time.h"

#include "util/random.h"

namespace cifrala {

QString two_digits(int n) {
    return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
}

QString time_of_day_text(int seconds) {
    return two_digits(seconds / 3600) + QLatin1Char(':') + two_digits(seconds / 60 % 60) +
           QLatin1Char(':') + two_digits(seconds % 60);
}

QString decomposition_text(int seconds) {
    return QStringLiteral("%1x3600+%2x60+%3")
        .arg(seconds / 3600)
        .arg(seconds / 60 % 60)
        .arg(seconds % 60);
}

QString clock_text(int minutes) {
    return QString::number(minutes / 60) + QLatin1Char(':') + two_digits(minutes % 60);
}

QString elapsed_label_text(int minutes) {
    return clock_text(minutes);
}

int random_clock_time() {
    const int h = random(12);
    return 60 * h + random(60);
}

int random_time_of_day() {
    const int h = random(24);
    const int m = random(60);
    return 3600 * h + 60 * m + random(60);
}

}  // namespace cifrala
