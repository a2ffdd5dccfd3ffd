#include "practice/roots/roots_worker.h"

#include "formula/surface.h"
#include "practice/common/step_sequence.h"
#include "practice/roots/roots_hints.h"
#include "practice/roots/roots_texts.h"
#include "practice/roots/roots_writing.h"
#include "text/messages.h"
#include "util/integer_math.h"

namespace cifrala {

using namespace roots_messages;

namespace {

const QString kIs = QStringLiteral(" = ");
// Pauses (milliseconds) in the steps of kinds 5 and 6.
constexpr int kPauseTimesTen = 800;
constexpr int kPauseReduced = 1000;
constexpr int kPauseNewFraction = 400;
// Room kept free at the right edge of the sheet.
constexpr int kRightMargin = 10;
// Lines with fractions are further apart.
constexpr double kTallLine = 1.5;
// A root over a fraction, or a fraction with a root in its numerator,
// reaches this far above the top of its line: the first line of the kinds
// that write them starts that much lower.
constexpr int kTallLineRise = 16;

QString product_text(int a, int b) {
    return int_text(a) + QStringLiteral(" × ") + int_text(b);
}

}  // namespace

RootsWorker::RootsWorker(StepHost& host)
    : StepWorker(host),
      sheet_(host.surface(SurfaceRole::Worksheet)),
      area_(host.surface(SurfaceRole::HintArea)),
      seq_(host.sequence()) {}

int RootsWorker::first_hint(const RootsExercise& e, bool primes) {
    switch (e.kind) {
        case 3:
        case 6:
            return kMixedFirst;
        case 5:
            return kDecimalFirst;
        default:
            return primes ? kFirstPrimes : kFirstSquares;
    }
}

bool RootsWorker::primes() {
    return host().ticked(ControlRole::PrimeFactors);
}

void RootsWorker::start(const RootsExercise& e) {
    exercise = e;
    P = e.P;
    Q = e.Q;
    c = 1;
    step = 0;
    finished = false;
    tall_line_ = false;
    sheet_.clearimage();
    if (e.kind == 3 || e.kind == 5 || e.kind == 6) sheet_.cursor.y += kTallLineRise;
    piece(
        [&] {
            if (e.kind == 3 || e.kind == 6) {
                wortel_uit_breuk_abc(sheet_, P / Q, P % Q, Q);
            } else if (e.kind == 5) {
                wortel_uit_txt(sheet_, decimal_text(P, Q));
            } else {
                wortel_uit_txt(sheet_, int_text(P));
            }
            sheet_.my_textout(kIs);
        },
        e.kind == 3 || e.kind == 6);
    hint(first_hint(e, primes()));
}

void RootsWorker::rekenstap() {
    if (finished) return;
    const int n = step++;
    seq_.then([this, n] { perform(n); });
    seq_.run();
}

void RootsWorker::perform(int n) {
    switch (exercise.kind) {
        case 3:
            mixed_step(n);
            break;
        case 5:
            decimal_step(n);
            break;
        case 6:
            unreduced_step(n);
            break;
        default:
            whole_number_step(n);
            break;
    }
}

// --- writing ---

void RootsWorker::piece(const std::function<void()>& write, bool tall) {
    const int x0 = sheet_.cursor.x;
    sheet_.measure_only = true;
    write();
    const int width = sheet_.cursor.x - x0;
    sheet_.measure_only = false;
    sheet_.cursor.x = x0;
    if (x0 > sheet_.style().frame.left_margin && x0 + width > sheet_.width() - kRightMargin)
        next_line();
    write();
    if (tall) tall_line_ = true;
}

void RootsWorker::root_of_fraction_is() {
    piece(
        [&] {
            wortel_uit_breuk(sheet_, P, Q);
            sheet_.my_textout(kIs);
        },
        true);
}

void RootsWorker::next_line() {
    sheet_.newline(tall_line_ ? kTallLine : 1.0);
    tall_line_ = false;
}

void RootsWorker::hint(int message) {
    current_hint = message;
    // With prime factors the factorization of the first step stays while
    // the second step's hint is shown.
    toonhelp(area_, message, step == 2 && primes());
}

void RootsWorker::factor_help(int n) {
    ontbindenhelp(area_, n, primes());
}

void RootsWorker::end() {
    hint(kSimplest);
    finish(0);
}

// --- kinds 1, 2 and 4: the root of a whole number ---

void RootsWorker::whole_number_step(int n) {
    if (n == 0) {
        factor_help(P);
        next_line();
        if (square_part(P).s == 1) {
            piece([&] { sheet_.my_textout(msg(kSimplest)); });
            finish(0);
        }
        return;
    }
    if (primes()) {
        primes_step(n);
    } else {
        squares_step(n);
    }
}

// sqrt(S x r) = sqrt(S) x sqrt(r) = s sqrt(r).
void RootsWorker::squares_step(int n) {
    const SquarePart sr = square_part(P);
    if (sr.r == 1) {
        piece([&] { sheet_.my_textout(int_text(sr.s)); });
        end();
        return;
    }
    if (n == 1) {
        piece([&] {
            wortel_uit_product(sheet_, {sr.S(), sr.r});
            sheet_.my_textout(kIs);
        });
        hint(kSplitRoot);
    } else if (n == 2) {
        piece([&] {
            product_of_terms(sheet_, {root_term(sr.S()), root_term(sr.r)});
            sheet_.my_textout(kIs);
        });
        hint(kRootsOfSquares);
    } else {
        piece([&] { coefficient_root(sheet_, sr.s, sr.r); });
        end();
    }
}

// sqrt(F1 x F2 x ... x R) = sqrt(F1) x ... x sqrt(R) = f1 x ... x sqrt(R)
// = f1 f2 ... sqrt(R).
void RootsWorker::primes_step(int n) {
    const SquareFactors sf = square_factors(P);
    if (n == 1) {
        std::vector<int> factors = sf.squares;
        if (sf.rest > 1) factors.push_back(sf.rest);
        piece([&] {
            wortel_uit_product(sheet_, factors);
            sheet_.my_textout(kIs);
        });
        hint(kSplitRoot);
    } else if (n == 2 || n == 3) {
        std::vector<RootTerm> terms;
        for (int f : sf.squares)
            terms.push_back(n == 2 ? root_term(f) : plain_term(whole_root(f)));
        if (sf.rest > 1) terms.push_back(root_term(sf.rest));
        piece([&] {
            product_of_terms(sheet_, terms);
            sheet_.my_textout(kIs);
        });
        hint(n == 2 ? kRootsOfSquares : kMultiplyWholes);
    } else {
        const SquarePart sr = square_part(P);
        piece([&] { coefficient_root(sheet_, sr.s, sr.r); });
        end();
    }
}

// --- kind 3: the mixed number of a ratio of two squares ---

void RootsWorker::mixed_step(int n) {
    const int u = whole_root(P);
    const int v = whole_root(Q);
    switch (n) {
        case 0:
            root_of_fraction_is();
            break;
        case 1:
            piece(
                [&] {
                    breuk_met_wortels(sheet_, root_term(P), root_term(Q));
                    sheet_.my_textout(kIs);
                },
                true);
            break;
        case 2:
            piece(
                [&] {
                    sheet_.breuk(u, v);
                    sheet_.my_textout(kIs);
                },
                true);
            break;
        case 3:
            piece([&] { sheet_.breuk_abc(u / v, u % v, v); }, true);
            break;
        default:
            end();
            break;
    }
}

// --- kind 5: the root of a decimal number ---

void RootsWorker::decimal_step(int n) {
    const bool odd = decimals_of(Q) % 2 == 1;
    if (n == 0) {
        root_of_fraction_is();
        hint(odd ? kOddDecimals : kEvenDecimals);
        return;
    }
    if (n == 1) {
        if (odd) {
            P *= 10;
            Q *= 10;
            root_of_fraction_is();
            seq_.pause(kPauseTimesTen);
        }
        seq_.then([this] {
            piece(
                [&] {
                    breuk_met_wortels(sheet_, root_term(P), root_term(Q));
                    sheet_.my_textout(kIs);
                },
                true);
            factor_help(P);
            hint(square_part(P).r == 1 ? kBothSquares : kSimplifyNumerator);
            factor_help(P);
        });
        return;
    }
    const SquarePart sr = square_part(P);
    if (n == 2) {
        hint(kSimplifyFraction);
        factor_help(P);
        c = whole_root(Q);
        // With nothing to take out of the root (s = 1) or nothing left under
        // it (r = 1) this fraction would repeat the one before or the next.
        if (sr.s != 1 && sr.r != 1)
            piece(
                [&] {
                    breuk_met_wortels(sheet_, root_term(product_text(sr.S(), sr.r)), root_term(Q));
                    sheet_.my_textout(kIs);
                },
                true);
        const bool lowest = gcd(sr.s, c) == 1;
        piece(
            [&] {
                breuk_met_wortels(sheet_, coefficient_root_term(sr.s, sr.r), plain_term(c));
                if (!lowest) sheet_.my_textout(kIs);
            },
            true);
        if (lowest) end();
        return;
    }
    const int g = gcd(sr.s, c);
    const int top = sr.s / g;
    const int bottom = c / g;
    const bool mixed = bottom > 1 && bottom < top;
    piece(
        [&] {
            if (bottom == 1) {
                coefficient_root(sheet_, top, sr.r);
                return;
            }
            sheet_.breuk(top, bottom);
            if (sr.r != 1) wortel_uit_txt(sheet_, int_text(sr.r));
            if (mixed) sheet_.my_textout(kIs);
        },
        true);
    if (mixed)
        piece(
            [&] {
                sheet_.breuk_abc(top / bottom, top % bottom, bottom);
                if (sr.r != 1) wortel_uit_txt(sheet_, int_text(sr.r));
            },
            true);
    end();
}

// --- kind 6: the mixed number of a fraction not in lowest terms ---

void RootsWorker::unreduced_step(int n) {
    if (n == 0) {
        root_of_fraction_is();
        hint(kSimplifyFraction);
        seq_.pause(kPauseReduced);
        seq_.then([this] {
            next_line();
            reduce_fraction(P, Q);
            root_of_fraction_is();
            hint(is_perfect_square(Q) ? kDenominatorSquare : kDenominatorNotSquare);
        });
        return;
    }
    if (n == 1) {
        if (!is_perfect_square(Q)) {
            // Times Q over Q, then every square both have in common out.
            const int old_q = Q;
            P *= Q;
            Q *= Q;
            for (int d = old_q; d >= 2; --d) {
                while (P % (d * d) == 0 && Q % (d * d) == 0) {
                    P /= d * d;
                    Q /= d * d;
                }
            }
            piece([&] { wortel_uit_breuk(sheet_, P, Q); }, true);
            seq_.pause(kPauseNewFraction);
            seq_.then([this] { piece([&] { sheet_.my_textout(kIs); }); });
        }
        seq_.pause(kPauseNewFraction);
        seq_.then([this] {
            c = whole_root(Q);
            piece(
                [&] {
                    breuk_met_wortels(sheet_, root_term(P), plain_term(c));
                    sheet_.my_textout(kIs);
                },
                true);
            hint(kSimplifyRootInNumerator);
            factor_help(P);
            // Nothing to take out of the root, or nothing left under it:
            // the next step would repeat this one.
            const SquarePart sr = square_part(P);
            if (sr.s == 1 || sr.r == 1) ++step;
        });
        return;
    }
    const SquarePart sr = square_part(P);
    if (n == 2) {
        piece(
            [&] {
                breuk_met_wortels(sheet_, root_term(product_text(sr.S(), sr.r)), plain_term(c));
                sheet_.my_textout(kIs);
            },
            true);
        piece(
            [&] {
                breuk_met_wortels(sheet_, coefficient_root_term(sr.s, sr.r), plain_term(c));
                sheet_.my_textout(kIs);
            },
            true);
        return;
    }
    piece(
        [&] {
            sheet_.breuk(sr.s, c);
            if (sr.r != 1) wortel_uit_txt(sheet_, int_text(sr.r));
        },
        true);
    end();
}

}  // namespace cifrala
