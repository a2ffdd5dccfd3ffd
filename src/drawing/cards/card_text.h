#pragma once
// Small writing helpers of the step cards: a message wrapped over the
// card's width, exact numbers as whole numbers, stacked fractions or mixed
// numbers, and the place of the window on the screen as the opener asks.
#include <QString>
#include <QVariantMap>
#include <QtGlobal>

namespace cifrala {

class TtekeningForm;
struct Rational;

// Writes `text` from the cursor's x, word by word, over as many lines as
// it needs within the card's width; the cursor ends on the next line.
void write_wrapped(TtekeningForm& w, const QString& text, double line = 0.8);
// A number at the cursor: whole, a stacked fraction (sign in front), or a
// mixed number when `mixed`; the cursor moves on.
void write_card_number(TtekeningForm& w, const Rational& v, bool mixed);
// A stacked fraction of two texts; the cursor moves on.
void write_card_fraction(TtekeningForm& w, const QString& top, const QString& bottom);
// Moves the window to values "left"/"top", or "right"/"top" (its right edge).
void place_card(TtekeningForm& w, const QVariantMap& values);

}  // namespace cifrala
