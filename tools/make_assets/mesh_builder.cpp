#include "mesh_builder.hpp"

#include <cmath>
#include <cstdio>
#include <fstream>
#include <stdexcept>

namespace assets {

v3 operator+(v3 a, v3 b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
v3 operator-(v3 a, v3 b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
v3 operator*(v3 a, double s) { return {a.x * s, a.y * s, a.z * s}; }
v3 cross(v3 a, v3 b) { return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x}; }
double dot(v3 a, v3 b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
v3 normalized(v3 a) {
    double l = std::sqrt(dot(a, a));
    return l > 0.0 ? a * (1.0 / l) : a;
}

std::string number(double v) {
    char text[32];
    std::snprintf(text, sizeof text, "%.4f", v);
    std::string s = text;
    if (s == "-0.0000") s = "0.0000";
    return s;
}

int mesh_builder::index_of(std::map<std::string, int>& seen, std::vector<std::string>& lines, const std::string& key) {
    auto found = seen.find(key);
    if (found != seen.end()) return found->second;
    lines.push_back(key);
    int index = static_cast<int>(lines.size());  // 1-based in the file
    seen.emplace(key, index);
    return index;
}

void mesh_builder::triangle(const corner& a, const corner& b, const corner& c) {
    faces_.push_back(corners_.size());
    for (const corner* k : {&a, &b, &c}) {
        int p = index_of(seen_positions_, positions_,
                         number(k->position.x) + " " + number(k->position.y) + " " + number(k->position.z));
        int t = index_of(seen_texcoords_, texcoords_, number(k->texcoord.u) + " " + number(k->texcoord.v));
        int n = index_of(seen_normals_, normals_,
                         number(k->normal.x) + " " + number(k->normal.y) + " " + number(k->normal.z));
        corners_.emplace_back(p, t, n);
    }
}

void mesh_builder::quad(const corner& a, const corner& b, const corner& c, const corner& d) {
    triangle(a, b, c);
    triangle(a, c, d);
}

std::string mesh_builder::text(const std::string& title) const {
    std::string out = "# " + title + "\n";
    out += "# " + std::to_string(faces_.size()) + " triangles\n";
    for (const auto& p : positions_) out += "v " + p + "\n";
    for (const auto& t : texcoords_) out += "vt " + t + "\n";
    for (const auto& n : normals_) out += "vn " + n + "\n";
    for (std::size_t first : faces_) {
        out += "f";
        for (std::size_t k = first; k < first + 3; ++k) {
            const auto& [p, t, n] = corners_[k];
            out += " " + std::to_string(p) + "/" + std::to_string(t) + "/" + std::to_string(n);
        }
        out += "\n";
    }
    return out;
}

void mesh_builder::write(const std::string& path, const std::string& title) const {
    std::ofstream file(path, std::ios::binary);  // LF line ends on every platform
    file << text(title);
    if (!file) throw std::runtime_error("Cannot write " + path);
}

}  // namespace assets
