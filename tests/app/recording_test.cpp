#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <sstream>
#include <string>

#include "app/recording_reader.hpp"
#include "app/recording_writer.hpp"
#include "model/controllers.hpp"
#include "model/world.hpp"
#include "model/world_checksum.hpp"
#include "support/message_of.hpp"
#include "support/temp_dir.hpp"

namespace {

using namespace kalvanor;

constexpr std::uint64_t assets = 0x1234abcd5678ef01ull;

std::string read_all(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Reads every frame of the bytes, as a replay would; the reader's first failure escapes.
int frames_in(const std::string& bytes, std::uint64_t id = assets)
{
    std::istringstream in(bytes);
    recording_reader reader(in, "r.rec", id);
    recorded_frame frame;
    while (reader.next(frame)) {
    }
    return reader.frames();
}

// A short game on a flat map: driving, turning, firing, dragging the orbit, every key and a pad.
class recording_test : public testing::Test {
protected:
    recording_test() : path(dir.file("session.rec"))
    {
        world w(std::make_shared<model::heightmap>(100, 100));
        controllers c(w);
        recording_writer writer(path, {recording_version, 800, 600, assets});
        for (int i = 0; i < 30; ++i) {
            recorded_frame f;
            f.dt = 0.01 + 0.001 * i;
            frame_input& in = f.input;
            in.w = i < 20;
            in.d = in.f1 = in.f4 = in.f9 = i % 3 == 0;
            in.a = in.s = in.f3 = in.f5 = in.f8 = i % 7 == 1;
            in.left_button = i > 5;
            in.right_button = i > 10;
            in.cursor_x = 400.0 + 10 * i;
            in.cursor_y = 100.5;
            in.window_width = 800;
            in.window_height = 600;
            in.gamepad_connected = i > 15;
            in.gamepad.buttons[gamepad_state::right_bumper] = i > 25;
            in.gamepad.axes = {-0.5f, 0.25f, 0.75f, -1.0f, -1.0f, 0.5f};
            c.update(in, static_cast<float>(f.dt));
            f.checksum = world_checksum(w);
            writer.write(f);
            frames.push_back(f);
        }
    }

    // The bytes of the file with frame k's byte at `offset` inverted.
    std::string flipped(int k, int offset) const
    {
        std::string bytes = read_all(path);
        bytes[recording_header_size + recorded_frame_size * k + offset] ^= '\xff';
        return bytes;
    }

    test::temp_dir dir;
    std::string path;
    std::vector<recorded_frame> frames;
};

TEST_F(recording_test, what_is_written_reads_back_and_replays_to_the_same_checksums)
{
    recording_reader reader(path, assets);
    EXPECT_EQ(reader.header().width, 800);
    EXPECT_EQ(reader.header().height, 600);
    world w(std::make_shared<model::heightmap>(100, 100));
    controllers c(w);
    recorded_frame f;
    for (const recorded_frame& written : frames) {
        ASSERT_TRUE(reader.next(f));
        const frame_input& a = f.input;
        const frame_input& b = written.input;
        EXPECT_EQ(f.dt, written.dt);
        EXPECT_EQ(f.checksum, written.checksum);
        EXPECT_TRUE(a.escape == b.escape && a.w == b.w && a.a == b.a && a.s == b.s && a.d == b.d && a.f1 == b.f1 &&
                    a.f3 == b.f3 && a.f4 == b.f4 && a.f5 == b.f5 && a.f8 == b.f8 && a.f9 == b.f9 &&
                    a.left_button == b.left_button && a.right_button == b.right_button);
        EXPECT_TRUE(a.cursor_x == b.cursor_x && a.cursor_y == b.cursor_y && a.window_width == b.window_width &&
                    a.window_height == b.window_height && a.gamepad_connected == b.gamepad_connected &&
                    a.gamepad.buttons == b.gamepad.buttons && a.gamepad.axes == b.gamepad.axes);
        c.update(f.input, static_cast<float>(f.dt));
        EXPECT_NO_THROW(reader.expect(world_checksum(w)));
    }
    EXPECT_FALSE(reader.next(f));
    EXPECT_EQ(reader.frames(), 30);
}

TEST_F(recording_test, a_flipped_byte_in_a_frames_input_diverges_at_that_frame)
{
    // Byte 6 of the cursor's x: 400 + 10k becomes another place on the screen.
    std::istringstream in(flipped(12, 16));
    recording_reader reader(in, "r.rec", assets);
    world w(std::make_shared<model::heightmap>(100, 100));
    controllers c(w);
    recorded_frame f;
    const std::string message = test::message_of([&] {
        while (reader.next(f)) {
            c.update(f.input, static_cast<float>(f.dt));
            reader.expect(world_checksum(w));
        }
    });
    EXPECT_EQ(message, "replay diverged at frame 12");
}

TEST_F(recording_test, what_cannot_be_replayed_is_refused_in_one_line_after_the_whole_frames)
{
    const std::string good = read_all(path);
    const std::string header = good.substr(0, recording_header_size);
    std::string version = header;
    version[8] = 2;
    std::string frame_size = header;
    frame_size[28] = 80;
    const auto refusal = [](const std::string& bytes, std::uint64_t id = assets) {
        return test::message_of([&] { frames_in(bytes, id); });
    };
    EXPECT_EQ(test::message_of([&] { recording_reader(dir.file("none.rec"), assets); }),
              "Cannot open the recording '" + dir.file("none.rec") + "'.");
    EXPECT_EQ(refusal(""), "'r.rec' is not a Kalvanor recording.");
    EXPECT_EQ(refusal("P6\n800 600\n255\n" + good), "'r.rec' is not a Kalvanor recording.");
    EXPECT_EQ(refusal(header.substr(0, 20)), "'r.rec' ends inside its header.");
    EXPECT_EQ(refusal(version), "'r.rec' is a recording of format version 2; this game reads version 1.");
    EXPECT_EQ(refusal(frame_size), "'r.rec' has a damaged header.");
    EXPECT_EQ(refusal(header, assets + 1), "'r.rec' was recorded with other assets.");
    EXPECT_EQ(frames_in(header), 0);

    const std::size_t frame = recorded_frame_size;
    EXPECT_EQ(refusal(good.substr(0, header.size() + 4 * frame + 50)), "'r.rec' ends in the middle of frame 4.");
    int whole = 0; // frames handed out before the refusal
    std::istringstream cut(good.substr(0, header.size() + 2 * frame + 1));
    recording_reader reader(cut, "r.rec", assets);
    recorded_frame f;
    EXPECT_EQ(test::message_of([&] {
                  while (reader.next(f)) {
                      ++whole;
                  }
              }),
              "'r.rec' ends in the middle of frame 2.");
    EXPECT_EQ(whole, 2);
    // dt, an unknown key bit, a flag of 2, a pad axis beyond 1, each in frame 7.
    for (const int offset : {7, 9, 34, 73}) {
        SCOPED_TRACE(offset);
        EXPECT_EQ(refusal(flipped(7, offset)), "'r.rec' holds impossible values in frame 7.");
    }
}

} // namespace
