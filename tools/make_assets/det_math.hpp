#pragma once
// Arithmetic helpers whose results do not depend on the C library: the generator must write the
// same bytes on every machine, and libm's sin/cos may differ in the last bit between versions.
// Everything here uses only +, -, *, / and sqrt, which IEEE 754 rounds exactly.

namespace assets {

constexpr double pi = 3.14159265358979323846;

double det_sin(double a);
double det_cos(double a);
double clamp(double v, double lo, double hi);
double lerp(double a, double b, double t);
// 0 at edge0, 1 at edge1, cubic in between; edge0 may be larger than edge1 (falling edge).
double smoothstep(double edge0, double edge1, double v);
// Nearest integer, halves away from zero, clamped into [lo, hi].
int round_clamped(double v, int lo, int hi);

}  // namespace assets
