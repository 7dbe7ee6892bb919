#include "scenario.hpp"

#include "model/controllers.hpp"
#include "playback.hpp"

namespace snapshot {
namespace scenario {

namespace {

// The script, in frames of 1/60 s. Cursor offsets are whole pixels from the window centre, the
// same at every window size, so that the world comes out the same whatever the size: the orbit
// turns by pixels dragged, and the aim only looks at the cursor's direction.
constexpr int drag_end = 20;      // right button held in frames 0-20; frame 0 anchors the drag
constexpr int drag_offset = -400; // turns at 400 / 128 rad/s, just under the orbit's limit of pi
constexpr int fire_start = 30;    // left button held from here on
// Up and slightly right: the beam leaves away from the camera, over the lake between the hills.
constexpr int aim_x = 20;
constexpr int aim_y = -142;

} // namespace

frame_input input_of(int index, int width, int height)
{
    frame_input in;
    in.window_width = width;
    in.window_height = height;
    // Held throughout: the robot drives in a right-hand curve toward the enemy coming from the
    // east. The camera swings round to the right meanwhile, to look along the way.
    in.w = true;
    in.d = true;
    const int centre_x = width / 2;
    const int centre_y = height / 2;
    if (index <= drag_end) {
        in.right_button = true;
        in.cursor_x = centre_x + (index == 0 ? 0 : drag_offset);
        in.cursor_y = centre_y;
    } else {
        in.cursor_x = centre_x + aim_x;
        in.cursor_y = centre_y + aim_y;
        in.left_button = index >= fire_start;
    }
    return in;
}

namespace {

// The script as a source of frames, like a recording without checksums to compare.
class script : public frame_source {
public:
    script(int width, int height, int frames) : width_(width), height_(height), frames_(frames) {}

    bool next(kalvanor::recorded_frame& frame) override
    {
        if (index_ == frames_) {
            return false;
        }
        frame.dt = frame_dt;
        frame.input = input_of(index_++, width_, height_);
        return true;
    }
    void check(std::uint64_t) override {}

private:
    int width_;
    int height_;
    int frames_;
    int index_ = 0;
};

} // namespace

std::vector<unsigned char> capture(world& w, int width, int height, int frames, frame_timings* timings)
{
    controllers rules(w, controllers::start::as_given);
    script frames_of_script(width, height, frames);
    int drawn = -1;
    return play(w, rules, width, height, frames_of_script, -1, drawn, timings);
}

} // namespace scenario
} // namespace snapshot
