#pragma once
// The texts of the fractions window's explanation panels ("Hoe?").
#include <QString>
#include <QStringList>

namespace cifrala {

// Panel1, common denominator: Label1 .. Label3 and the two lists of
// multiples i × b1 up to the least common multiple.
struct CommonDenominatorExplanation {
    QString label1, label2, label3;
    QStringList multiples1, multiples2;
};
CommonDenominatorExplanation explain_common_denominator(int b1, int b2);

// A list of multiples longer than this shows its start, "...", and its end.
inline constexpr int kMaxListedMultiples = 200;

// Panel3, cross-cancelling: Label4 for the pair (a1, b2), Label5 for (b1, a2);
// a label without a common factor above 1 is hidden.
struct CrossCancelExplanation {
    QString label4, label5;
    bool show4 = false, show5 = false;
};
CrossCancelExplanation explain_cross_cancel(int a1, int b1, int a2, int b2);

}  // namespace cifrala
