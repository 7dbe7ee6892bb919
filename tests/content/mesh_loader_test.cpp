#include <gtest/gtest.h>

#include <iomanip>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "base/exception.hpp"
#include "content/mesh_loader.hpp"
#include "support/message_of.hpp"
#include "support/temp_dir.hpp"

namespace {

class mesh_loader_test : public ::testing::Test {
protected:
    // The message of the runtime_error that parsing `text` throws. That of a missing file, and
    // of a face of two corners, inspect.tool sees exactly.
    std::string error_of(const std::string& text)
    {
        dir_.write("m.txt", text);
        return test::message_of<std::runtime_error>([&] { content::mesh_loader(dir_.path() + "/").load("m.txt"); });
    }

    test::temp_dir dir_;
};

// Each vertex as "x y z", followed by "/u v/a b c" where the texture coordinate or normal is not
// zero; floats with all their digits.
std::string describe(const kalvanor::mesh& m)
{
    std::ostringstream out;
    out << std::setprecision(9);
    for (const kalvanor::mesh_vertex& v : m.vertices()) {
        out << (out.tellp() > 0 ? ", " : "") << v.position.x << " " << v.position.y << " " << v.position.z;
        if (v.texcoord != vec2(0.0f) || v.normal != vec3(0.0f)) {
            out << "/" << v.texcoord.x << " " << v.texcoord.y << "/" << v.normal.x << " " << v.normal.y << " "
                << v.normal.z;
        }
    }
    return out.str();
}

const std::string square = "v 0 0 0\nv 1 0 0\nv 1 1 0\nv 0 1 0\nv 0 2 0\n";
const std::string two_triangles = "0 0 0, 1 0 0, 1 1 0, 0 0 0, 1 1 0, 0 1 0";

TEST_F(mesh_loader_test, text_becomes_these_vertices)
{
    const std::vector<std::pair<std::string, std::string>> cases = {
        // A polygon is a fan around its first corner: 1 2 3, 1 3 4, 1 4 5.
        {square + "f 1 2 3 4 5\n", "0 0 0, 1 0 0, 1 1 0, 0 0 0, 1 1 0, 0 1 0, 0 0 0, 0 1 0, 0 2 0"},
        // An empty middle part is texture coordinate 0 (none), a missing last part normal 0.
        {"v 1 1 1\nv 2 2 2\nv 3 3 3\nvt 0.25 0.5\nvt 0.75 1\nvn 0 0 1\nvn 0 1 0\nf 1/2/1 2//2 3/1\n",
         "1 1 1/0.75 1/0 0 1, 2 2 2/0 0/0 1 0, 3 3 3/0.25 0.5/0 0 0"},
        // w divides, and a w of 0 means 1; normals stay unnormalised.
        {"v 1 2 3 0\nv 2 4 6 2\nv 3 6 9\nvt 1 3 2\nvt 0.5 0.5 0\nvn 0 0 4 2\nvn 0 3 4\nf 1/1/1 2/2/2 3/1/1\n",
         "1 2 3/0.5 1.5/0 0 2, 1 2 3/0.5 0.5/0 3 4, 3 6 9/0.5 1.5/0 0 2"},
        // Line ends and white space do not matter.
        {"v 0 0 0\r\nv 1 0 0\r\nv 1 1 0\r\nv 0 1 0\r\nf 1 2 3\r\nf 1 3 4\r\n", two_triangles},
        {square + "f 1 2 3\nf 1 3 4", two_triangles},
        {"\t v\t0  0 0 \r\nv 1 0 0\r\n\r\n  \t\nv 1 1 0\nv 0 1 0\n   f  1\t2 3 \r\n f 1 3 4\r", two_triangles},
        {square + std::string(1 << 20, ' ') + "v 7 7 7" + std::string(1 << 20, '\t') + "\nf 1 2 3\nf 1 3 4\n",
         two_triangles},
        // Faces may refer to later lines.
        {"f 1/1/1 2/1/1 3/1/1\nv 1 0 0\nvt 0.5 0.5\nv 0 1 0\nvn 0 0 1\nv 0 0 1\n",
         "1 0 0/0.5 0.5/0 0 1, 0 1 0/0.5 0.5/0 0 1, 0 0 1/0.5 0.5/0 0 1"},
        // Other statements are ignored, keywords are case-sensitive whole words.
        {"# comment with v 1 2\nV 9 9 9\no robot\ng body\ns 1\nusemtl metal\nmtllib a.mtl\nvp 1\nF 1 2\nfo 1\n"
         "v 1 2 3\nv 4 5 6\nv 7 8 9\nf 1 2 3\n",
         "1 2 3, 4 5 6, 7 8 9"},
        {"v 1 2 3\nv 4 5 6\nvn 0 0 1\n", ""},
        {"", ""},
        // Non-numbers read as 0: reference "a" is no vertex, w "w" means 1.
        {"v x y z\nv 1.5abc 2 3\nv 1 1 1 w\nf a 2/x/y 3\n", "0 0 0, 1.5 2 3, 1 1 1"},
        // References outside the lists give zero vectors; beyond int they are clamped, not
        // wrapped (2^32 + 1 would wrap to 1).
        {"v 1 1 1\nv 2 2 2\nvt 1 1\nvn 1 1 1\nf 0/0/0 -1/-1/-1 3/2/2\n"
         "f 4294967297/4294967297/4294967297 99999999999 -99999999999\n",
         "0 0 0, 0 0 0, 0 0 0, 0 0 0, 0 0 0, 0 0 0"},
        // Reals beyond float are clamped; dividing in range may still overflow to infinity.
        {"v 1e39 -1e39 1e400\nv 1 2 3 1e999\nv 3e38 0 0 0.5\nf 1 2 3\n",
         "3.40282347e+38 -3.40282347e+38 3.40282347e+38, 2.93873588e-39 5.87747175e-39 8.81620763e-39, inf 0 0"},
    };
    for (const auto& [text, vertices] : cases) {
        SCOPED_TRACE(text.substr(0, 200));
        const auto m = content::mesh_loader("").load(dir_.write("m.txt", text));
        EXPECT_EQ(describe(*m), vertices);
        ASSERT_EQ(m->indices().size(), m->vertices().size());
        for (std::size_t i = 0; i < m->indices().size(); ++i) {
            EXPECT_EQ(m->indices()[i], i);
        }
        EXPECT_FALSE(m->is_strip());
    }
}

TEST_F(mesh_loader_test, bad_text_throws_these_messages)
{
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"v 1 2\n", "Failed parsing geometric vertex."},
        {"v\n", "Failed parsing geometric vertex."},
        {"vt 0.5\n", "Failed parsing texture coordinates."},
        {"vn 0 1\r\n", "Failed parsing surface normal."},
        {square + "f\n", "Failed parsing face definition."},
        {square + "f 1 2 3\nf 1 2 \r\n", "Failed parsing face definition."}, // a later line spoils all
    };
    for (const auto& [text, message] : cases) {
        EXPECT_EQ(error_of(text), message) << text;
    }
    EXPECT_THROW(kalvanor::mesh(4, 4), kalvanor::exception); // indices must come in threes
}

} // namespace
