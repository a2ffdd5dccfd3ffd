#include "util/number_settings.h"

#include <QLocale>

namespace cifrala {

NumberSettings number_settings;

void init_number_settings() {
    number_settings = NumberSettings{};
    const QString point = QLocale().decimalPoint();
    number_settings.decimal_separator = point.isEmpty() ? QLatin1Char('.') : point.at(0);
}

}  // namespace cifrala
