#pragma once

#include <filesystem>

#include <gtest/gtest.h>

struct GLFWwindow;

namespace test {

// Base fixture of every *_gltest: a hidden window whose default OpenGL context is current for
// the whole test process, with GL entry points loaded. GLFW's errors go to standard error as they
// happen. Where no context can be had the test is skipped, with GLFW's last error as the reason,
// except where CI or KALVANOR_REQUIRE_GL is set (test.sh sets it), where that is a failure.
class gl_test : public ::testing::Test {
protected:
    void SetUp() override;

    static GLFWwindow* window();
};

// The game reads assets/, the shadow map's shaders among them, relative to the working directory,
// and the tests run in a folder of their own: they step into the source folder while the game's
// parts load.
struct in_source_dir {
    const std::filesystem::path previous = std::filesystem::current_path();
    in_source_dir() { std::filesystem::current_path(KALVANOR_SOURCE_DIR); }
    ~in_source_dir() { std::filesystem::current_path(previous); }
};

// Reads back the RGBA pixels of the currently bound read framebuffer, rows bottom first.
std::vector<unsigned char> read_pixels(int x, int y, int width, int height);

// Writes RGBA pixels (rows bottom first, as glReadPixels gives them) as a PNG file, for looking
// at what a test drew; says so on standard error when the file cannot be written.
void save_png(const std::string& path, const std::vector<unsigned char>& rgba, int width, int height);

} // namespace test
