#pragma once
#include <cmath>
#include <string>

#include "bmp_file.hpp"

namespace checks {

inline std::string asset(const std::string& name) { return std::string(KALVANOR_ASSETS_DIR) + "/" + name; }

// The game's view of the height map: vertex (i, j) at (2i - W, 2j - L), height 4 (red / 128 - 1),
// bilinear between vertices, clamped at the edges.
class terrain {
public:
    explicit terrain(const assets::picture& map) : map_(map) {}

    int columns() const { return map_.width(); }
    int rows() const { return map_.height(); }
    double x_of(int i) const { return 2.0 * i - (columns() - 1); }
    double y_of(int j) const { return 2.0 * j - (rows() - 1); }
    double vertex(int i, int j) const { return 4.0 * (map_.at(i, j).r / 128.0 - 1.0); }

    double sample(double x, double y) const {
        double fx = clamp01((x - x_of(0)) / (x_of(columns() - 1) - x_of(0))) * (columns() - 1);
        double fy = clamp01((y - y_of(0)) / (y_of(rows() - 1) - y_of(0))) * (rows() - 1);
        int i0 = static_cast<int>(std::floor(fx)), j0 = static_cast<int>(std::floor(fy));
        int i1 = std::min(i0 + 1, columns() - 1), j1 = std::min(j0 + 1, rows() - 1);
        double tx = fx - i0, ty = fy - j0;
        double top = vertex(i0, j0) + (vertex(i1, j0) - vertex(i0, j0)) * tx;
        double bottom = vertex(i0, j1) + (vertex(i1, j1) - vertex(i0, j1)) * tx;
        return top + (bottom - top) * ty;
    }

private:
    static double clamp01(double v) { return v < 0.0 ? 0.0 : (v > 1.0 ? 1.0 : v); }
    assets::picture map_;
};

}  // namespace checks
