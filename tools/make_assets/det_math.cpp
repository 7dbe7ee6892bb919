#include "det_math.hpp"

#include <cmath>

namespace assets {

double det_sin(double a) {
    // Reduce to [-pi, pi], then a Taylor series: 16 terms reach double precision there.
    double turns = std::floor(a / (2.0 * pi) + 0.5);
    double x = a - turns * 2.0 * pi;
    double term = x;
    double sum = x;
    for (int k = 1; k < 16; ++k) {
        term *= -x * x / ((2.0 * k) * (2.0 * k + 1.0));
        sum += term;
    }
    return sum;
}

double det_cos(double a) { return det_sin(a + pi / 2.0); }

double clamp(double v, double lo, double hi) { return v < lo ? lo : (v > hi ? hi : v); }

double lerp(double a, double b, double t) { return a + (b - a) * t; }

double smoothstep(double edge0, double edge1, double v) {
    double t = clamp((v - edge0) / (edge1 - edge0), 0.0, 1.0);
    return t * t * (3.0 - 2.0 * t);
}

int round_clamped(double v, int lo, int hi) {
    double r = v < 0.0 ? -std::floor(-v + 0.5) : std::floor(v + 0.5);
    if (r < lo) return lo;
    if (r > hi) return hi;
    return static_cast<int>(r);
}

}  // namespace assets
