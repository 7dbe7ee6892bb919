#include "mesh_file.hpp"

#include <cstdio>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace assets {

std::vector<std::vector<corner>> read_mesh(const std::string& path) {
    std::ifstream file(path);
    if (!file) throw std::runtime_error("Cannot open " + path);
    std::vector<v3> positions, normals;
    std::vector<v2> texcoords;
    std::vector<std::vector<std::string>> faces;
    std::string line;
    while (std::getline(file, line)) {
        std::istringstream words(line);
        std::string keyword;
        if (!(words >> keyword)) continue;
        if (keyword == "v" || keyword == "vn") {
            v3 p;
            if (!(words >> p.x >> p.y >> p.z)) throw std::runtime_error("Bad line: " + line);
            (keyword == "v" ? positions : normals).push_back(p);
        } else if (keyword == "vt") {
            v2 t;
            if (!(words >> t.u >> t.v)) throw std::runtime_error("Bad line: " + line);
            texcoords.push_back(t);
        } else if (keyword == "f") {
            std::vector<std::string> refs;
            for (std::string ref; words >> ref;) refs.push_back(ref);
            if (refs.size() < 3) throw std::runtime_error("Bad line: " + line);
            faces.push_back(refs);
        }
    }
    auto resolve = [&](const std::string& ref) {
        int a = 0, b = 0, c = 0;
        if (std::sscanf(ref.c_str(), "%d/%d/%d", &a, &b, &c) != 3 || a < 1 || b < 1 || c < 1 ||
            a > static_cast<int>(positions.size()) || b > static_cast<int>(texcoords.size()) ||
            c > static_cast<int>(normals.size()))
            throw std::runtime_error("Bad face reference " + ref + " in " + path);
        return corner{positions[a - 1], texcoords[b - 1], normals[c - 1]};
    };
    std::vector<std::vector<corner>> triangles;
    for (const auto& refs : faces)
        for (std::size_t k = 1; k + 1 < refs.size(); ++k)
            triangles.push_back({resolve(refs[0]), resolve(refs[k]), resolve(refs[k + 1])});
    return triangles;
}

}  // namespace assets
