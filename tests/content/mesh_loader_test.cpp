#include <gtest/gtest.h>

#include <cfloat>
#include <limits>
#include <stdexcept>
#include <string>

#include "app/exception.hpp"
#include "content/mesh_loader.hpp"
#include "support/temp_dir.hpp"

namespace glm {
// Readable failures for vector comparisons; internal so no other test file can clash with it.
static void PrintTo(const vec3& v, std::ostream* out) { *out << "(" << v.x << ", " << v.y << ", " << v.z << ")"; }
static void PrintTo(const vec2& v, std::ostream* out) { *out << "(" << v.x << ", " << v.y << ")"; }
} // namespace glm

namespace {

class mesh_loader_test : public ::testing::Test {
protected:
    std::unique_ptr<kalvanor::mesh> parse(const std::string& text)
    {
        dir_.write("meshes/m.txt", text);
        content::mesh_loader loader(dir_.path() + "/");
        return loader.load("meshes/m.txt");
    }

    // The message of the runtime_error that parsing `text` throws, or "" if it parses.
    std::string error_of(const std::string& text)
    {
        try {
            parse(text);
        } catch (const std::runtime_error& e) {
            return e.what();
        }
        return "";
    }

    static vec3 position(const kalvanor::mesh& m, std::size_t i) { return m.vertices().at(i).position; }

    test::temp_dir dir_;
};

const std::string square = "v 0 0 0\nv 1 0 0\nv 1 1 0\nv 0 1 0\nv 0 2 0\n";

TEST_F(mesh_loader_test, polygon_becomes_a_fan_around_its_first_corner)
{
    const auto m = parse(square + "f 1 2 3 4 5\n");
    ASSERT_EQ(m->vertices().size(), 9u);
    const vec3 expected[] = {{0, 0, 0}, {1, 0, 0}, {1, 1, 0}, // 1 2 3
                             {0, 0, 0}, {1, 1, 0}, {0, 1, 0}, // 1 3 4
                             {0, 0, 0}, {0, 1, 0}, {0, 2, 0}}; // 1 4 5
    for (std::size_t i = 0; i < 9; ++i) {
        EXPECT_EQ(position(*m, i), expected[i]) << "vertex " << i;
        EXPECT_EQ(m->vertices()[i].texcoord, vec2(0.0f));
        EXPECT_EQ(m->vertices()[i].normal, vec3(0.0f));
        EXPECT_EQ(m->indices().at(i), i);
    }
    EXPECT_FALSE(m->is_strip());
}

TEST_F(mesh_loader_test, references_read_position_texcoord_and_normal_parts)
{
    const auto m = parse("v 1 1 1\nv 2 2 2\nv 3 3 3\n"
                         "vt 0.25 0.5\nvt 0.75 1\n"
                         "vn 0 0 1\nvn 0 1 0\n"
                         "f 1/2/1 2//2 3/1\n");
    ASSERT_EQ(m->vertices().size(), 3u);
    const auto& v = m->vertices();
    EXPECT_EQ(v[0].position, vec3(1.0f));
    EXPECT_EQ(v[0].texcoord, vec2(0.75f, 1.0f));
    EXPECT_EQ(v[0].normal, vec3(0, 0, 1));
    // An empty middle part is texture coordinate 0: none.
    EXPECT_EQ(v[1].texcoord, vec2(0.0f));
    EXPECT_EQ(v[1].normal, vec3(0, 1, 0));
    // A missing last part is normal 0: none.
    EXPECT_EQ(v[2].texcoord, vec2(0.25f, 0.5f));
    EXPECT_EQ(v[2].normal, vec3(0.0f));
}

TEST_F(mesh_loader_test, w_divides_and_zero_w_means_one)
{
    const auto m = parse("v 1 2 3 0\nv 2 4 6 2\nv 3 6 9\n"
                         "vt 1 3 2\nvt 0.5 0.5 0\n"
                         "vn 0 0 4 2\nvn 0 3 4\n" // normals stay unnormalised
                         "f 1/1/1 2/2/2 3/1/1\n");
    const auto& v = m->vertices();
    EXPECT_EQ(v[0].position, vec3(1, 2, 3));
    EXPECT_EQ(v[1].position, vec3(1, 2, 3));
    EXPECT_EQ(v[2].position, vec3(3, 6, 9));
    EXPECT_EQ(v[0].texcoord, vec2(0.5f, 1.5f));
    EXPECT_EQ(v[1].texcoord, vec2(0.5f, 0.5f));
    EXPECT_EQ(v[0].normal, vec3(0, 0, 2));
    EXPECT_EQ(v[1].normal, vec3(0, 3, 4));
}

TEST_F(mesh_loader_test, line_ends_and_white_space_do_not_change_the_mesh)
{
    const std::string lf = square + "f 1 2 3\nf 1 3 4";
    std::string crlf;
    for (char c : lf) {
        crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    }
    const auto plain = parse(lf + "\n");
    const auto windows = parse(crlf + "\r\n");
    const auto unterminated = parse(lf); // last line without any line end
    const auto spaced = parse("\t v\t0  0 0 \r\nv 1 0 0\r\n\r\n  \t\nv 1 1 0\nv 0 1 0\n"
                              "   f  1\t2 3 \r\n f 1 3 4\r");
    for (const auto* m : {windows.get(), unterminated.get(), spaced.get()}) {
        ASSERT_EQ(m->vertices().size(), 6u);
        for (std::size_t i = 0; i < 6; ++i) {
            EXPECT_EQ(position(*m, i), position(*plain, i)) << "vertex " << i;
        }
    }
}

TEST_F(mesh_loader_test, faces_may_refer_to_later_lines)
{
    const auto m = parse("f 1/1/1 2/1/1 3/1/1\nv 1 0 0\nvt 0.5 0.5\nv 0 1 0\nvn 0 0 1\nv 0 0 1\n");
    ASSERT_EQ(m->vertices().size(), 3u);
    EXPECT_EQ(position(*m, 2), vec3(0, 0, 1));
    EXPECT_EQ(m->vertices()[0].texcoord, vec2(0.5f));
    EXPECT_EQ(m->vertices()[0].normal, vec3(0, 0, 1));
}

TEST_F(mesh_loader_test, other_statements_are_ignored)
{
    const auto m = parse("# comment with v 1 2\nV 9 9 9\no robot\ng body\ns 1\nusemtl metal\n"
                         "mtllib a.mtl\nvp 1\nF 1 2\nfo 1\nv 1 2 3\nv 4 5 6\nv 7 8 9\nf 1 2 3\n");
    ASSERT_EQ(m->vertices().size(), 3u);
    EXPECT_EQ(position(*m, 0), vec3(1, 2, 3));
    EXPECT_EQ(position(*m, 2), vec3(7, 8, 9));

    const auto empty = parse("v 1 2 3\nv 4 5 6\nvn 0 0 1\n");
    EXPECT_TRUE(empty->vertices().empty());
    EXPECT_TRUE(empty->indices().empty());
    EXPECT_TRUE(parse("")->vertices().empty());
}

TEST_F(mesh_loader_test, every_missing_operand_has_its_message)
{
    EXPECT_EQ(error_of("v 1 2\n"), "Failed parsing geometric vertex.");
    EXPECT_EQ(error_of("v\n"), "Failed parsing geometric vertex.");
    EXPECT_EQ(error_of("vt 0.5\n"), "Failed parsing texture coordinates.");
    EXPECT_EQ(error_of("vn 0 1\r\n"), "Failed parsing surface normal.");
    EXPECT_EQ(error_of(square + "f 1 2\n"), "Failed parsing face definition.");
    EXPECT_EQ(error_of(square + "f\n"), "Failed parsing face definition.");
    // A later bad line spoils the whole file.
    EXPECT_EQ(error_of(square + "f 1 2 3\nf 1 2 \r\n"), "Failed parsing face definition.");
}

TEST_F(mesh_loader_test, non_numbers_read_as_zero)
{
    const auto m = parse("v x y z\nv 1.5abc 2 3\nv 1 1 1 w\nf a 2/x/y 3\n");
    ASSERT_EQ(m->vertices().size(), 3u);
    EXPECT_EQ(position(*m, 0), vec3(0.0f)); // "a" is reference 0: no vertex
    EXPECT_EQ(position(*m, 1), vec3(1.5f, 2, 3));
    EXPECT_EQ(position(*m, 2), vec3(1.0f)); // w "w" is 0, so 1
}

TEST_F(mesh_loader_test, references_outside_the_lists_give_zero_vectors)
{
    const auto m = parse("v 1 1 1\nv 2 2 2\nvt 1 1\nvn 1 1 1\n"
                         "f 0/0/0 -1/-1/-1 3/2/2\n"
                         // Beyond int: clamped, so still out of range. 2^32 + 1 would wrap to 1.
                         "f 4294967297/4294967297/4294967297 99999999999 -99999999999\n");
    ASSERT_EQ(m->vertices().size(), 6u);
    for (const kalvanor::mesh_vertex& v : m->vertices()) {
        EXPECT_EQ(v.position, vec3(0.0f));
        EXPECT_EQ(v.texcoord, vec2(0.0f));
        EXPECT_EQ(v.normal, vec3(0.0f));
    }
}

TEST_F(mesh_loader_test, reals_beyond_float_are_clamped)
{
    const auto m = parse("v 1e39 -1e39 1e400\nv 1 2 3 1e999\nv 3e38 0 0 0.5\nf 1 2 3\n");
    EXPECT_EQ(position(*m, 0), vec3(FLT_MAX, -FLT_MAX, FLT_MAX));
    EXPECT_EQ(position(*m, 1), vec3(1 / FLT_MAX, 2 / FLT_MAX, 3 / FLT_MAX));
    // Dividing in range may still overflow the float; that is infinity, not undefined.
    EXPECT_EQ(position(*m, 2).x, std::numeric_limits<float>::infinity());
}

TEST_F(mesh_loader_test, long_lines_and_large_faces)
{
    const int corners = 100000;
    std::string face = "f";
    for (int i = 0; i < corners; ++i) {
        face += " " + std::to_string(i % 5 + 1);
    }
    const auto m = parse(square + std::string(1 << 20, ' ') + "v 7 7 7" + std::string(1 << 20, '\t') + "\n" +
                         face); // no line end at all
    ASSERT_EQ(m->vertices().size(), 3u * (corners - 2));
    EXPECT_EQ(m->indices().back(), 3u * (corners - 2) - 1);
    // Last triangle: corners 1, n-1, n; n = 100000 names vertex 5, n-1 vertex 4.
    EXPECT_EQ(position(*m, 3 * (corners - 2) - 1), vec3(0, 2, 0));
    EXPECT_EQ(position(*m, 3 * (corners - 2) - 2), vec3(0, 1, 0));
}

TEST_F(mesh_loader_test, missing_file_and_full_paths)
{
    const std::string path = dir_.write("full.txt", square + "f 1 2 3\n");
    content::mesh_loader by_path("");
    EXPECT_EQ(by_path.load(path)->vertices().size(), 3u);
    try {
        by_path.load(path + ".missing");
        FAIL() << "expected an exception";
    } catch (const std::runtime_error& e) {
        EXPECT_EQ(std::string(e.what()), "Stream could not be opened. File name: " + path + ".missing");
    }
    // A directory opens but cannot be read: the first read fails and ends the loop.
    EXPECT_TRUE(by_path.load(dir_.path())->vertices().empty());
}

TEST(mesh, index_count_must_be_a_multiple_of_three)
{
    try {
        kalvanor::mesh m(4, 4);
        FAIL() << "expected an exception";
    } catch (const kalvanor::exception& e) {
        EXPECT_STREQ(e.what(), "Number of indices must be a multiple of 3.");
    }
    const kalvanor::mesh m(3, 6);
    EXPECT_EQ(m.vertices().size(), 3u);
    EXPECT_EQ(m.indices(), std::vector<std::uint32_t>(6, 0));
}

} // namespace
