#pragma once
// The smaller or larger of two values, and exchanging two values.
#include <array>
#include <utility>

namespace cifrala {

inline int min_int(int a, int b) {
    return b < a ? b : a;
}
inline int max_int(int a, int b) {
    return a < b ? b : a;
}
inline double min_real(double a, double b) {
    return b < a ? b : a;
}
inline double max_real(double a, double b) {
    return a < b ? b : a;
}

using Vector3 = std::array<double, 3>;

inline void swap(int& a, int& b) {
    std::swap(a, b);
}
inline void swap(double& a, double& b) {
    std::swap(a, b);
}
inline void swap(Vector3& a, Vector3& b) {
    std::swap(a, b);
}

}  // namespace cifrala
