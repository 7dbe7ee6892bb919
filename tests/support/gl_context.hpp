#pragma once

#include <gtest/gtest.h>

struct GLFWwindow;

namespace test {

// Base fixture of every *_gltest: a hidden window whose default OpenGL context is current for
// the whole test process, with GL entry points loaded. Where no context can be had the test is
// skipped, except under CI (env CI set), where that is a failure.
class gl_test : public ::testing::Test {
protected:
    void SetUp() override;

    static GLFWwindow* window();
};

// Reads back the RGBA pixels of the currently bound read framebuffer, rows bottom first.
std::vector<unsigned char> read_pixels(int x, int y, int width, int height);

// Writes RGBA pixels (rows bottom first, as glReadPixels gives them) as a PNG file, for looking
// at what a test drew; says so on standard error when the file cannot be written.
void save_png(const std::string& path, const std::vector<unsigned char>& rgba, int width, int height);

} // namespace test
