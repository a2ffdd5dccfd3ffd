#include "practice/long_division/long_division_exercise.h"

#include "util/random.h"

namespace cifrala {

Division generate_division(int level) {
    int quotient = 0;
    int divisor = 0;
    switch (level) {
        case 1:
            quotient = random(200) + 11;
            divisor = random(30) + 11;
            break;
        case 2:
            quotient = random(2000) + 11;
            divisor = random(100) + random(100) + 21;
            break;
        default:
            quotient = random(20) + 11;
            divisor = random(8) + 2;
            break;
    }
    Division d{quotient * divisor, divisor};
    if (random(3) == 2) d.dividend += random(divisor);
    return d;
}

FirstPart first_part(const QString& dividend_text, qint64 divisor) {
    FirstPart fp;
    qint64 value = 0;
    for (qsizetype i = 0; i < dividend_text.size(); ++i) {
        value = 10 * value + dividend_text[i].digitValue();
        if (value >= divisor) {
            fp.exists = true;
            fp.piece = dividend_text.left(i + 1);
            fp.rest = dividend_text.mid(i + 1);
            return fp;
        }
    }
    return fp;
}

qint64 choose_chunk(qint64 rest, qint64 divisor) {
    qint64 c = divisor;
    while (rest >= 10 * c)
        c *= 10;
    if (c == divisor) c = rest < 5 * divisor ? (rest / divisor) * divisor : 5 * divisor;
    return c;
}

bool valid_own_division(int dividend, int divisor) {
    return dividend > 0 && divisor > 0;
}

}  // namespace cifrala
