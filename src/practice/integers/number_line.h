#pragma once
// Placing a fraction on the number line from 0 to 10: the number (a whole
// piece and a reduced fraction), where it lies on the line, how a release of
// the card is judged, and the drawings of the line, the card and the arrow
// that shows the right place.
#include <QString>

namespace cifrala {

class Surface;

class NumberLineExercise {
public:
    // The line starts this far from the left edge of its surface and ends
    // as far from the right one.
    static constexpr int kLineMargin = 20;
    // A release this close to the target (in pixels) is a hit.
    static constexpr int kHitDistance = 2;
    // Judged releases after which the card can no longer be dragged.
    static constexpr int kMostMisses = 2;
    // Attempts after a hit.
    static constexpr int kAfterHit = 99;

    // A new number: w + n/10 or w + n/20 between 0.24 and 9.76.
    void draw();
    // A given number; n/d is reduced. False (nothing changed) unless
    // 0 <= w, 0 < n < d and d > 0.
    bool set(int whole, int numerator, int denominator);

    int whole() const { return whole_; }
    int numerator() const { return numerator_; }
    int denominator() const { return denominator_; }
    double value() const { return whole_ + static_cast<double>(numerator_) / denominator_; }
    // The improper fraction's numerator: d * w + n.
    int improper_numerator() const { return denominator_ * whole_ + numerator_; }

    // Pixels per unit on a line surface of this width.
    static double unit(int line_width);
    // Where the number lies, relative to the line surface's left edge.
    int target_on_line(int line_width) const;

    // Shown as a mixed number (else as an improper fraction).
    bool mixed = false;
    int attempts() const { return attempts_; }
    bool can_drag() const { return attempts_ < kMostMisses; }
    bool hit() const { return attempts_ == kAfterHit; }
    // The arrow shows the right place: after a hit or the second miss.
    bool shows_answer() const { return hit() || attempts_ >= kMostMisses; }

    // The release of the card with its point at `x` (on the line surface's
    // scale): true for a hit.
    bool judge(int x, int line_width);
    static bool close_enough(int x, int target) {
        return x - target <= kHitDistance && target - x <= kHitDistance;
    }

private:
    int whole_ = 0;
    int numerator_ = 1;
    int denominator_ = 2;
    int attempts_ = 0;
};

// The number line (Image2): yellow, a thick line at y = 10 with 101 ticks,
// longer at the halves and whole numbers, the whole numbers written below.
void draw_number_line(Surface& line);
// The red arrow from below up to the right place on the line.
void draw_answer_arrow(Surface& line, int target);
// The card (Image3): the number as an improper fraction or a mixed number,
// the red outline that points down and the switch square top left.
void draw_number_card(Surface& card, const NumberLineExercise& e);
// The switch square of the card.
inline bool in_switch_square(int x, int y) {
    return x < 15 && y < 15;
}

}  // namespace cifrala
