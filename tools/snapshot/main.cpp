// kalvanor-snapshot: renders a scripted moment of the game, or a frame of a recorded session,
// through the real pipeline into a PNG.
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <iostream>
#include <memory>
#include <stdexcept>
#include <string>

#include "app/asset_identity.hpp"
#include "app/memory_policy.hpp"
#include "app/recording_reader.hpp"
#include "frame_timings.hpp"
#include "hidden_window.hpp"
#include "model/controllers.hpp"
#include "model/enemy_rules.hpp"
#include "model/world.hpp"
#include "playback.hpp"
#include "png_file.hpp"
#include "scenario.hpp"

namespace {

constexpr int status_failure = 1;
constexpr int status_usage = 2;

const char* const usage_line = "usage: kalvanor-snapshot [--size WxH] [--frames N] [--timings] [--help] OUT.png\n"
                               "       kalvanor-snapshot --replay FILE [--size WxH] [--frame N | --timings] OUT.png\n";

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
                 "With --replay it plays a session that the game recorded (KALVANOR_RECORD=FILE)\n"
                 "instead, frame by frame with the recorded input and frame times, as fast as it\n"
                 "can, checks every frame's checksum of the world and writes frame N (counting\n"
                 "from 0; default the last frame the game drew). The recording must come from the\n"
                 "same assets/. A replay that comes out differently stops with\n"
                 "'replay diverged at frame N'.\n"
                 "\n"
                 "  --size WxH   window size in pixels (default 1024x768, or the recording's)\n"
                 "  --frames N   frames to play, at least 1 (default "
              << snapshot::scenario::default_frames
              << ")\n"
                 "  --timings    print timings to standard output; needs N above the warm-up\n"
                 "  --replay FILE  play a recorded session instead of the script\n"
                 "  --frame N    with --replay: the frame to write\n"
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
                 "The frames after the warm-up take turns: one times its passes, the next the whole\n"
                 "frame, without the queries, which the game does not run either. A replay adds\n"
                 "the same frames' times as the game's own window measured them when it recorded:\n"
                 "  recorded WxH: median X.X ms, p95 Y.Y ms over N frames\n"
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

// A recorded session as a source of frames; every checksum is compared.
class recording_source : public snapshot::frame_source {
public:
    explicit recording_source(kalvanor::recording_reader& reader) : reader_(reader) {}
    bool next(kalvanor::recorded_frame& frame) override { return reader_.next(frame); }
    void check(std::uint64_t checksum) override { reader_.expect(checksum); }
    bool measured() const override { return true; }

private:
    kalvanor::recording_reader& reader_;
};

// Replays the recording at `path` in a hidden window and writes frame `wanted` (the last drawn
// when negative) to out; with `timings`, prints them, the recorded frame times among them.
void replay(const std::string& path, int width, int height, int wanted, bool timings, const std::string& out)
{
    kalvanor::recording_reader reader(path, kalvanor::asset_identity("assets/"));
    if (width == 0) {
        width = reader.header().width;
        height = reader.header().height;
    }
    snapshot::hidden_window window(width, height);
    // The game's one world, and its controllers as the game builds them: a new game.
    world& w = world::instance();
    controllers rules(w);
    recording_source source(reader);
    std::unique_ptr<snapshot::frame_timings> timer;
    if (timings) {
        timer = std::make_unique<snapshot::frame_timings>();
    }
    int drawn = -1;
    const auto pixels = snapshot::play(w, rules, width, height, source, wanted, drawn, timer.get());
    if (drawn < 0) {
        throw std::runtime_error("'" + path + "' holds no frame that the game drew.");
    }
    if (wanted >= 0 && drawn != wanted) {
        throw std::runtime_error("'" + path + "' has no frame " + std::to_string(wanted) + ": the last frame drawn is " +
                                 std::to_string(drawn) + ".");
    }
    snapshot::write_png(out, pixels, width, height);
    if (timer) {
        timer->report(std::cout, width, height);
    }
}

} // namespace

int main(int argc, char** argv)
{
    int width = 0; // the default's or the recording's
    int height = 0;
    int frames = snapshot::scenario::default_frames;
    bool frames_given = false;
    int wanted = -1;
    bool timings = false;
    std::string recording;
    std::string out;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--help") {
            help();
            return 0;
        }
        if (arg == "--timings") {
            timings = true;
        } else if (arg == "--size" || arg == "--frames" || arg == "--frame" || arg == "--replay") {
            if (i + 1 == argc) {
                return usage();
            }
            const std::string value = argv[++i];
            bool good = true;
            if (arg == "--size") {
                good = parse_size(value, width, height);
            } else if (arg == "--frames") {
                frames = positive(value);
                frames_given = true;
                good = frames > 0;
            } else if (arg == "--frame") {
                // 0 is a frame too.
                wanted = value == "0" ? 0 : positive(value);
                good = wanted >= 0 && (wanted > 0 || value == "0");
            } else {
                recording = value;
                good = !value.empty();
            }
            if (!good) {
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
    const bool replaying = !recording.empty();
    if (out.empty() || (timings && frames <= snapshot::frame_timings::default_warm_up) ||
        (replaying && (frames_given || (timings && wanted >= 0))) || (!replaying && wanted >= 0)) {
        return usage();
    }
    if (!replaying && width == 0) {
        width = 1024;
        height = 768;
    }

    // As the game does, so that its frames are timed with the same memory behaviour.
    kalvanor::keep_heap_memory();
    try {
        // Said plainly here: the loaders would only report a picture they cannot open.
        if (!std::filesystem::is_directory("assets")) {
            throw std::runtime_error("There is no assets/ folder in the working directory.");
        }
        if (replaying) {
            replay(recording, width, height, wanted, timings, out);
            return 0;
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
