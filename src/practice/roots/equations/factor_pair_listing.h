#pragma once
// The factor pairs of a whole number x in the side panel of "Kwadratisch
// (elementair)": a line per pair d × f with its sum d + f beside it, the pair
// whose sum is the coefficient sought in red. For x > 0 the pairs with
// 1 <= d <= √x and then -1 >= d >= -√x; for x < 0 every divisor d from 1 to
// |x|.
#include <optional>
#include <vector>

namespace cifrala {

class Surface;

struct FactorPair {
    long long d = 0, f = 0;
    bool red = false;  // its sum is the one sought
};

std::vector<FactorPair> factor_pairs(long long x, long long sum);
// The marked pair, if any.
std::optional<FactorPair> marked_pair(const std::vector<FactorPair>& pairs);

// The header (messages 2053 and 2054) and the pair lines on a cleared
// panel surface; `count` lines (all when negative). Returns the cursor's y
// after the last line.
int write_factor_pair_lines(Surface& panel, const std::vector<FactorPair>& pairs, int count = -1);
// One more line of the listing (the pair `i`), on the line after the cursor.
void write_factor_pair_line(Surface& panel, const FactorPair& pair);
void write_factor_pair_header(Surface& panel);

}  // namespace cifrala
