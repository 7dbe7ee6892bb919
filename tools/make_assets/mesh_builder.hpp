#pragma once
#include <map>
#include <string>
#include <tuple>
#include <vector>

namespace assets {

struct v3 {
    double x = 0, y = 0, z = 0;
};
v3 operator+(v3 a, v3 b);
v3 operator-(v3 a, v3 b);
v3 operator*(v3 a, double s);
v3 cross(v3 a, v3 b);
double dot(v3 a, v3 b);
v3 normalized(v3 a);

struct v2 {
    double u = 0, v = 0;
};

// One corner of a triangle as the mesh text format stores it.
struct corner {
    v3 position;
    v2 texcoord;
    v3 normal;
};

// A rectangle of a texture atlas in texture coordinates (t = 0 is the top row of the picture).
struct uv_rect {
    double u0, v0, u1, v1;
    v2 at(double s, double t) const { return {u0 + (u1 - u0) * s, v0 + (v1 - v0) * t}; }
};

// Collects triangles and writes them as "v", "vt", "vn" and "f a/b/c" lines. Numbers are written
// with four decimals and shared between corners that print alike, which keeps the files small.
class mesh_builder {
public:
    // Corners counter-clockwise seen from the side the triangle faces.
    void triangle(const corner& a, const corner& b, const corner& c);
    // a, b, c, d counter-clockwise; split along a-c.
    void quad(const corner& a, const corner& b, const corner& c, const corner& d);

    std::size_t triangle_count() const { return faces_.size(); }
    std::string text(const std::string& title) const;
    void write(const std::string& path, const std::string& title) const;

private:
    int index_of(std::map<std::string, int>& seen, std::vector<std::string>& lines, const std::string& key);

    std::map<std::string, int> seen_positions_, seen_texcoords_, seen_normals_;
    std::vector<std::string> positions_, texcoords_, normals_;
    std::vector<std::tuple<int, int, int>> corners_;
    std::vector<std::size_t> faces_;  // first corner of each triangle
};

// Fixed four-decimal text of a number, never "-0.0000".
std::string number(double v);

}  // namespace assets
