// kalvanor-snapshot: renders a scripted moment of the game through the real pipeline into a PNG.
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <iostream>
#include <memory>
#include <stdexcept>
#include <string>

#include "app/memory_policy.hpp"
#include "frame_timings.hpp"
#include "hidden_window.hpp"
#include "model/enemy_rules.hpp"
#include "model/world.hpp"
#include "png_file.hpp"
#include "scenario.hpp"

namespace {

constexpr int status_failure = 1;
constexpr int status_usage = 2;

const char* const usage_line = "usage: kalvanor-snapshot [--size WxH] [--frames N] [--timings] [--help] OUT.png\n";

int usage()
{
    std::cerr << usage_line;
    return status_usage;
}

void help()
{
    std::cout << usage_line
              << "Run from a folder holding the game's assets/. Builds a new game (the terrain of\n"
                 "assets/textures/map.bmp and its twelve enemies), plays N frames of a fixed script\n"
                 "at 1/60 s each through the game's own rules, draws every frame through the real\n"
                 "pipeline (shadow, reflection, main, water, bloom) in a hidden window of WxH pixels\n"
                 "and writes the last frame to OUT.png. The same arguments give the same file on\n"
                 "one machine.\n"
                 "\n"
                 "The script, the same at every size: W and D are held throughout, so the robot\n"
                 "drives a right-hand curve. In frames 0-20 the right button drags the cursor 400\n"
                 "pixels left of the centre, swinging the camera about 60 degrees to the right, to\n"
                 "look east where an enemy comes over a hill. From frame 30 on the left button is\n"
                 "held with the cursor 20 pixels right of and 142 above the centre: the beam fires\n"
                 "away from the camera, toward the lake between two hills. With the defaults the\n"
                 "last frame shows the sky, the snowy hills, the player in the middle, the enemy with\n"
                 "its health light, the lake and the glowing beam.\n"
                 "\n"
                 "  --size WxH   window size in pixels (default 1024x768)\n"
                 "  --frames N   frames to play, at least 1 (default "
              << snapshot::scenario::default_frames
              << ")\n"
                 "  --timings    print timings to standard output; needs N above the warm-up\n"
                 "  --help       this text\n"
                 "\n"
                 "Timings leave out the first "
              << snapshot::frame_timings::default_warm_up
              << " frames as warm-up (shader compiles, first texture\n"
                 "uploads), say so in a first line, then print one line per pass with the median\n"
                 "GPU time of the pass from GL_TIME_ELAPSED queries,\n"
                 "  pass NAME: median X.XX ms\n"
                 "for shadow, reflection, main, water, bright, blur and bloom, and a last line with\n"
                 "the wall-clock time of the whole pipeline per frame, waited for with glFinish:\n"
                 "  frame WxH: median X.X ms, p95 Y.Y ms over N frames\n"
                 "\n"
                 "Exit status 0 on success, 1 on a failure (one line 'kalvanor-snapshot: MESSAGE' on\n"
                 "standard error), 2 for bad usage.\n";
}

// A whole positive decimal number, nothing else; 0 when the text is not one.
int positive(const std::string& text)
{
    if (text.empty() || text.size() > 6 || text.find_first_not_of("0123456789") != std::string::npos) {
        return 0;
    }
    return std::atoi(text.c_str());
}

bool parse_size(const std::string& text, int& width, int& height)
{
    const std::size_t x = text.find('x');
    if (x == std::string::npos) {
        return false;
    }
    width = positive(text.substr(0, x));
    height = positive(text.substr(x + 1));
    return width > 0 && height > 0;
}

} // namespace

int main(int argc, char** argv)
{
    int width = 1024;
    int height = 768;
    int frames = snapshot::scenario::default_frames;
    bool timings = false;
    std::string out;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--help") {
            help();
            return 0;
        }
        if (arg == "--timings") {
            timings = true;
        } else if (arg == "--size" || arg == "--frames") {
            if (i + 1 == argc) {
                return usage();
            }
            const std::string value = argv[++i];
            if (arg == "--frames") {
                frames = positive(value);
            }
            if (arg == "--size" ? !parse_size(value, width, height) : frames == 0) {
                return usage();
            }
        } else if (arg.size() > 1 && arg[0] == '-') {
            return usage();
        } else if (!out.empty()) {
            return usage();
        } else {
            out = arg;
        }
    }
    if (out.empty() || (timings && frames <= snapshot::frame_timings::default_warm_up)) {
        return usage();
    }

    // As the game does, so that its frames are timed with the same memory behaviour.
    kalvanor::keep_heap_memory();
    try {
        // Said plainly here: the loaders would only report a picture they cannot open.
        if (!std::filesystem::is_directory("assets")) {
            throw std::runtime_error("There is no assets/ folder in the working directory.");
        }
        snapshot::hidden_window window(width, height);
        // The game's one world: its first use loads the terrain from assets/.
        world& w = world::instance();
        spawn_enemies(w);
        std::unique_ptr<snapshot::frame_timings> timer;
        if (timings) {
            timer = std::make_unique<snapshot::frame_timings>();
        }
        const auto pixels = snapshot::scenario::capture(w, width, height, frames, timer.get());
        snapshot::write_png(out, pixels, width, height);
        if (timer) {
            timer->report(std::cout, width, height);
        }
    } catch (const std::exception& e) {
        std::cerr << "kalvanor-snapshot: " << e.what() << std::endl;
        return status_failure;
    }
    return 0;
}
