#include "content/mesh_text_parser.hpp"

#include <cerrno>
#include <cfloat>
#include <climits>
#include <cstdlib>
#include <stdexcept>

namespace content {

namespace {

bool is_delimiter(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// atoi as long as the value fits; beyond int's range atoi is undefined, so clamp instead.
int read_int(const char* text)
{
    const long value = std::strtol(text, nullptr, 10);
    if (value > INT_MAX) {
        return INT_MAX;
    }
    if (value < INT_MIN) {
        return INT_MIN;
    }
    return static_cast<int>(value);
}

// atof narrowed to float. strtod reports overflow as +-HUGE_VAL, and turning a double beyond
// float's range into a float is undefined, so both end at +-FLT_MAX. NaN passes through.
float read_float(const char* text)
{
    const double value = std::strtod(text, nullptr);
    if (value > FLT_MAX) {
        return FLT_MAX;
    }
    if (value < -FLT_MAX) {
        return -FLT_MAX;
    }
    return static_cast<float>(value);
}

} // namespace

// Walks the tokens of one line. The current token is copied into a reused buffer so that the
// C conversion functions see it NUL-terminated and stop at its end.
class mesh_text_parser::token_reader {
public:
    explicit token_reader(const std::string& line) : line_(line) {}

    // False once the line has no further token.
    bool next()
    {
        while (pos_ < line_.size() && is_delimiter(line_[pos_])) {
            ++pos_;
        }
        if (pos_ == line_.size()) {
            return false;
        }
        const std::size_t start = pos_;
        while (pos_ < line_.size() && !is_delimiter(line_[pos_])) {
            ++pos_;
        }
        token_.assign(line_, start, pos_ - start);
        return true;
    }

    const std::string& token() const { return token_; }

    // "x y z [w]" as (x/w, y/w, z/w) and "u v [w]" as (u/w, v/w). A missing operand throws
    // `error`; a non-number reads as 0; a missing or zero w means 1.
    vec3 homogeneous3(const char* error)
    {
        const float x = real(error);
        const float y = real(error);
        const float z = real(error);
        return vec3(x, y, z) / divisor();
    }

    vec2 homogeneous2(const char* error)
    {
        const float u = real(error);
        const float v = real(error);
        return vec2(u, v) / divisor();
    }

private:
    const std::string& line_;
    std::size_t pos_ = 0;
    std::string token_;

    float real(const char* error)
    {
        if (!next()) {
            throw std::runtime_error(error);
        }
        return read_float(token_.c_str());
    }

    float divisor()
    {
        const float w = next() ? read_float(token_.c_str()) : 0.0f;
        return w == 0.0f ? 1.0f : w;
    }
};

void mesh_text_parser::read_line(const std::string& line)
{
    token_reader tokens(line);
    if (!tokens.next()) {
        return;
    }
    const std::string& keyword = tokens.token();
    if (keyword == "v") {
        positions_.push_back(tokens.homogeneous3("Failed parsing geometric vertex."));
    } else if (keyword == "vt") {
        texcoords_.push_back(tokens.homogeneous2("Failed parsing texture coordinates."));
    } else if (keyword == "vn") {
        // Kept as written: normals are not normalised.
        normals_.push_back(tokens.homogeneous3("Failed parsing surface normal."));
    } else if (keyword == "f") {
        read_face(tokens);
    }
}

void mesh_text_parser::read_face(token_reader& tokens)
{
    // A polygon becomes a fan around its first corner, corner order kept: (1 2 3), (1 3 4), ...
    // Each triangle is stored as its corner arrives, so a long face needs no list of its own.
    corner first{};
    corner previous{};
    std::size_t count = 0;
    while (tokens.next()) {
        // a/b/c: atoi of the token, of the text after the first '/', and after the second.
        const std::string& text = tokens.token();
        corner current{read_int(text.c_str()), 0, 0};
        const std::size_t slash = text.find('/');
        if (slash != std::string::npos) {
            current.texcoord = read_int(text.c_str() + slash + 1);
            const std::size_t second = text.find('/', slash + 1);
            if (second != std::string::npos) {
                current.normal = read_int(text.c_str() + second + 1);
            }
        }
        if (count == 0) {
            first = current;
        } else if (count >= 2) {
            triangles_.push_back({first, previous, current});
        }
        previous = current;
        ++count;
    }
    if (count < 3) {
        throw std::runtime_error("Failed parsing face definition.");
    }
}

namespace {

// The element `index` (1-based) names, or a zero value when it names none.
template <typename T>
T element_or_zero(const std::vector<T>& list, int index)
{
    if (index < 1 || static_cast<std::size_t>(index) > list.size()) {
        return T(0.0f);
    }
    return list[static_cast<std::size_t>(index) - 1];
}

} // namespace

std::unique_ptr<kalvanor::mesh> mesh_text_parser::build() const
{
    const std::size_t count = 3 * triangles_.size();
    auto result = std::make_unique<kalvanor::mesh>(count, count);
    std::vector<kalvanor::mesh_vertex>& vertices = result->vertices();
    std::vector<std::uint32_t>& indices = result->indices();
    for (std::size_t t = 0; t < triangles_.size(); ++t) {
        for (std::size_t k = 0; k < 3; ++k) {
            const corner& c = triangles_[t][k];
            kalvanor::mesh_vertex& vertex = vertices[3 * t + k];
            vertex.position = element_or_zero(positions_, c.position);
            vertex.texcoord = element_or_zero(texcoords_, c.texcoord);
            vertex.normal = element_or_zero(normals_, c.normal);
        }
    }
    for (std::size_t i = 0; i < count; ++i) {
        indices[i] = static_cast<std::uint32_t>(i);
    }
    return result;
}

} // namespace content
