#include "practice/exponential/exponential_worker.h"

#include <cstdlib>
#include <numeric>

#include "formula/surface.h"
#include "practice/exponential/exp_writing.h"
#include "practice/exponential/exponential_texts.h"
#include "text/messages.h"

namespace cifrala {

using namespace exponential_messages;

namespace {

constexpr int kLastPhase = 9;

QString number(long long n) {
    return QString::number(n);
}

// "x", "-x" or "vx".
QString x_term(long long v) {
    if (v == 1) return QStringLiteral("x");
    if (v == -1) return QStringLiteral("-x");
    return number(v) + QStringLiteral("x");
}

double line_feed(int phase) {
    if (phase <= 4) return 2.5;
    if (phase == 5) return 2;
    return 1.5;
}

}  // namespace

ExponentialWorker::ExponentialWorker(StepHost& host) : StepWorker(host) {}

int ExponentialWorker::hint_message(int p) const {
    msg_param1 = number(exercise.g);
    switch (p) {
        case 1:
            msg_param2 = number(exercise.m);
            return kDivideByFactor;
        case 2:
        case 3:
            return kPowersOfG;
        case 4:
            return kFractionalExponents;
        case 5:
            return kOnePower;
        case 6:
            return kWorkOutExponents;
        case 7:
            return kEqualExponents;
        case 8:
        case 9:
            return kSolveLinear;
        case 10:
            return kFinished;
        default:
            return 0;
    }
}

void ExponentialWorker::show_hint(int message) {
    hint_ = message;
    host().hint(message);
}

void ExponentialWorker::begin(const ExpExercise& x) {
    exercise = working = x;
    finished = false;
    column_ = 0;
    a_ = 0;
    d_ = 1;
    Surface& s = sheet();
    s.measure_only = false;
    s.clearimage();
    phase = x.first_phase;
    const int written = phase;
    write_stage();
    step = phase;
    show_hint(hint_message(written));
    host().show_control(ControlRole::Step, true);
}

void ExponentialWorker::rekenstap() {
    if (finished || phase < 1 || phase > kLastPhase) return;
    write_stage();
    step = phase;
    if (phase > kLastPhase) {
        hint_ = kFinished;
        finish(hint_message(phase));
        return;
    }
    show_hint(hint_message(phase));
}

void ExponentialWorker::equals(ExpWriter& w) {
    Surface& s = sheet();
    column_ = std::max(column_, s.cursor.x);
    s.cursor.x = column_;
    w.text(QStringLiteral("= "));
}

void ExponentialWorker::write_stage() {
    const int p = phase;
    ExpWriter w(sheet(), p);
    switch (p) {
        case 1:
        case 2:
            if (p == 2 && working.m != 1) {
                // Both sides divided by m: a power of g on the right goes
                // into R's numerator unless that is a root.
                working.m = 1;
                if (working.R.r0 == 1) {
                    working.R.a0 += working.c3;
                    working.c3 = 0;
                }
            }
            equation_line(w);
            break;
        case 3:
            host().show_control(ControlRole::NextExercise, false);
            equation_line(w);
            break;
        case 4:
            equation_line(w);
            break;
        case 5:
            one_power_line(w);
            break;
        case 6:
            exponents_line(w, true);
            break;
        case 7:
            exponents_line(w, false);
            break;
        case 8:
            moved_line(w);
            break;
        case 9:
            solution_line(w);
            break;
        default:
            return;
    }
    if (p < kLastPhase) sheet().newline(line_feed(p));
    phase = p + 1;
    // Without roots there are no fractional exponents to write.
    if (phase == 4 && !working.roots) phase = 5;
}

void ExponentialWorker::equation_line(ExpWriter& w) {
    const ExpExercise& x = working;
    const int p = phase;
    const QString exponent = x.exponent_text();
    if (p <= 2) {
        w.factor(x.g, x.L, x.m, 0);
        w.text(QStringLiteral(" · ") + number(power_of(x.g, x.e)));
        w.superscript({piece(exponent)});
        w.text(QStringLiteral(" "));
        column_ = sheet().cursor.x;
        equals(w);
        w.factor(x.g, x.R, x.m * power_of(x.g, x.c3), x.c3);
        return;
    }
    w.factor(x.g, x.L, 1, 0);
    w.text(QStringLiteral(" · "));
    if (x.e == 1) {
        w.text(number(x.g));
    } else {
        w.text(QStringLiteral("(") + number(x.g));
        w.superscript({piece(number(x.e))});
        w.text(QStringLiteral(")"));
    }
    w.superscript({piece(exponent)});
    w.text(QStringLiteral(" "));
    equals(w);
    w.factor(x.g, x.R, power_of(x.g, x.c3), x.c3);
}

void ExponentialWorker::one_power_line(ExpWriter& w) {
    const ExpExercise& x = working;
    std::vector<ExponentPiece> left = ExpWriter::one_power(x.L, 0);
    const QString exponent = x.exponent_text();
    left.push_back(piece(QStringLiteral(" + ")));
    if (x.e != 1) left.push_back(piece(number(x.e)));
    // Brackets where the exponent is multiplied, or where its minus would
    // follow the plus.
    const bool brackets = (x.e != 1 && exponent != QLatin1String("x")) ||
                          (x.e == 1 && exponent.startsWith(QLatin1Char('-')));
    if (brackets) {
        left.push_back(piece((x.e != 1 ? QStringLiteral(" (") : QStringLiteral("(")) + exponent +
                             QStringLiteral(")")));
    } else {
        left.push_back(piece(exponent));
    }
    w.power(x.g, left);
    w.text(QStringLiteral(" "));
    equals(w);
    w.factor(x.g, x.R, power_of(x.g, x.c3), x.c3);
}

void ExponentialWorker::exponents_line(ExpWriter& w, bool as_powers) {
    const ExpExercise& x = working;
    const Ratio pq = x.left_constant(), fi = x.right_exponent();
    const long long v = static_cast<long long>(x.e) * x.k;
    std::vector<ExponentPiece> left{piece(x_term(v))};
    if (pq.q != 1) {
        left.push_back(piece(pq.p < 0 ? QStringLiteral(" - ") : QStringLiteral(" + ")));
        left.push_back(piece(std::llabs(pq.p), pq.q));
    } else if (pq.p < 0) {
        left.push_back(piece(QStringLiteral(" - ") + number(-pq.p)));
    } else if (pq.p > 0) {
        left.push_back(piece(QStringLiteral(" + ") + number(pq.p)));
    }
    std::vector<ExponentPiece> right;
    if (fi.q != 1) {
        right.push_back(piece(fi.p, fi.q));
    } else if (fi.p < 0) {
        right.push_back(piece(QStringLiteral(" - ") + number(-fi.p)));
    } else {
        right.push_back(piece(number(fi.p)));
    }
    if (as_powers) {
        w.power(x.g, left);
        w.text(QStringLiteral(" "));
        equals(w);
        w.power(x.g, right);
        return;
    }
    for (const ExponentPiece& q : left) {
        if (q.fraction) {
            w.fraction(q.p, q.q, true);
        } else {
            w.text(q.text);
        }
    }
    w.text(QStringLiteral(" "));
    equals(w);
    const ExponentPiece& r = right.front();
    if (r.fraction) {
        w.fraction(r.p, r.q);
    } else {
        w.text(r.text);
    }
}

void ExponentialWorker::moved_line(ExpWriter& w) {
    const ExpExercise& x = working;
    const Ratio pq = x.left_constant(), fi = x.right_exponent();
    const long long v = static_cast<long long>(x.e) * x.k;
    w.text(x_term(v) + QStringLiteral(" "));
    equals(w);
    bool written = true;
    if (fi.q != 1) {
        w.fraction(fi.p, fi.q);
    } else if (fi.p < 0) {
        w.text(QStringLiteral("-") + number(-fi.p));
    } else if (fi.p > 0) {
        w.text(number(fi.p));
    } else {
        written = false;
    }
    // The constant moved to the right with the opposite sign; a plus sign
    // at the start of the side is left out.
    if (pq.p != 0) {
        const bool minus = pq.p > 0;
        if (minus) {
            w.text(written ? QStringLiteral(" - ") : QStringLiteral("-"));
        } else if (written) {
            w.text(QStringLiteral(" + "));
        }
        if (pq.q != 1) {
            w.fraction(pq.p, pq.q, true);
        } else {
            w.text(number(std::llabs(pq.p)));
        }
        written = true;
    }
    if (!written) w.text(QStringLiteral("0"));
    const long long a = fi.p * pq.q - fi.q * pq.p, d = fi.q * pq.q;
    const Ratio ad = reduced(a, d);
    a_ = ad.p;
    d_ = ad.q;
    if (std::gcd(std::llabs(a), std::llabs(d)) >= 2) {
        w.text(QStringLiteral(" = "));
        if (d_ == 1) {
            w.text(number(a_));
        } else {
            w.fraction(a_, d_);
        }
    }
}

void ExponentialWorker::solution_line(ExpWriter& w) {
    const ExpExercise& x = working;
    const long long v = static_cast<long long>(x.e) * x.k;
    long long a = a_, d = d_;
    w.text(QStringLiteral("x "));
    equals(w);
    if (a == 0) {
        w.text(QStringLiteral("0"));
        return;
    }
    if (v == -1) {
        if (d == 1) {
            w.text(number(-a));
            return;
        }
        w.fraction(-a, d);
        if (std::llabs(d) < std::llabs(a)) {
            w.text(QStringLiteral(" = "));
            w.mixed(-a, d);
        }
        return;
    }
    d *= v;
    if (std::llabs(d) == 1) {
        w.text(number(a * d));
        return;
    }
    w.fraction(a, d);
    const long long t = std::gcd(std::llabs(a), std::llabs(d));
    if (t > 1) {
        const Ratio r = reduced(a, d);
        a = r.p;
        d = r.q;
        w.text(QStringLiteral(" = "));
        if (d == 1) {
            w.text(number(a));
            return;
        }
        w.fraction(a, d);
    }
    if (std::llabs(d) < std::llabs(a)) {
        w.text(QStringLiteral(" = "));
        w.mixed(a, d);
    }
}

}  // namespace cifrala
