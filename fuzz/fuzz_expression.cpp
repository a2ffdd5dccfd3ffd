// Fuzzes the reading of typed expressions: normalisation, evaluation and the
// display of the result. The first byte chooses the settings (angle unit,
// variables, tiny mode, text encoding); the rest is the text.
#include <QString>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "expr/eval_text.h"
#include "expr/expression.h"
#include "text/notify.h"
#include "util/exact.h"
#include "util/format.h"
#include "util/number_settings.h"
#include "util/random.h"

using namespace cifrala;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const bool ready = [] {
        set_message_handler([](const ShownMessage&) {});
        init_number_settings();
        return true;
    }();
    (void)ready;
    if (size == 0) return 0;
    const std::uint8_t mode = data[0];
    const char* bytes = reinterpret_cast<const char*>(data + 1);
    const qsizetype n = static_cast<qsizetype>(size - 1);
    const QString typed = (mode & 8) ? QString::fromLatin1(bytes, n) : QString::fromUtf8(bytes, n);

    number_settings = NumberSettings{};
    number_settings.radians = mode & 1;
    number_settings.tiny_mode = mode & 4;
    number_settings.exact_fractions = mode & 16;
    number_settings.exact_roots = mode & 32;
    number_settings.root_coefficients = mode & 64;
    number_settings.fixed_decimals = mode & 128;
    seed_random(12345);

    QString text = typed;
    const QChar var = (mode & 2) ? QChar(u'x') : QChar();
    normalise_expression(text, var, QChar(u't'));
    const Evaluation e = evaluate_expression(var, QChar(u't'), text, 2.5, -1e-7);
    if (e.ok()) {
        if (!std::isfinite(e.value)) std::abort();  // results are always finite
        (void)format_real(e.value);
        (void)format_real_full(e.value);
        (void)format_exact(e.value);
        (void)format_with_magnitude(e.value);
    } else if (e.value != 0 || error_message_number(e.error) <= 0) {
        std::abort();
    }

    double v;
    int i;
    (void)eval_text(typed, v);
    (void)eval_text_int(typed, i);
    return 0;
}
