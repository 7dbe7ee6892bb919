#include "app/recording.hpp"

#include <cmath>
#include <cstring>

namespace kalvanor {

namespace {

// Widest values a frame may hold; far beyond any screen, near enough that the rules' integer
// conversions of them stay defined.
constexpr double max_cursor = 1.0e6;
constexpr std::int32_t max_window = 1 << 16;
constexpr double max_dt = 3600.0; // seconds: a game stopped for an hour in a debugger

template <typename T>
void put(unsigned char* at, T value)
{
    static_assert(sizeof(T) <= 8);
    std::uint64_t bits = 0;
    std::memcpy(&bits, &value, sizeof(T));
    for (std::size_t i = 0; i < sizeof(T); ++i) {
        at[i] = static_cast<unsigned char>(bits >> (8 * i));
    }
}

template <typename T>
T get(const unsigned char* at)
{
    std::uint64_t bits = 0;
    for (std::size_t i = 0; i < sizeof(T); ++i) {
        bits |= static_cast<std::uint64_t>(at[i]) << (8 * i);
    }
    T value;
    std::memcpy(&value, &bits, sizeof(T));
    return value;
}

bool* key_of(frame_input& in, int bit)
{
    bool* keys[key_bit_count] = {&in.escape, &in.w,  &in.a,  &in.s,  &in.d,           &in.f1,          &in.f3,
                                 &in.f4,     &in.f5, &in.f8, &in.f9, &in.left_button, &in.right_button};
    return keys[bit];
}

} // namespace

void encode(const recording_header& header, header_bytes& out)
{
    std::memcpy(out, recording_magic, sizeof recording_magic);
    put(out + 8, header.version);
    put(out + 12, header.width);
    put(out + 16, header.height);
    put(out + 20, header.assets);
    put(out + 28, static_cast<std::uint32_t>(recorded_frame_size));
}

recording_header decode(const header_bytes& in, std::uint32_t& frame_size)
{
    recording_header header;
    header.version = get<std::uint32_t>(in + 8);
    header.width = get<std::int32_t>(in + 12);
    header.height = get<std::int32_t>(in + 16);
    header.assets = get<std::uint64_t>(in + 20);
    frame_size = get<std::uint32_t>(in + 28);
    return header;
}

void encode(const recorded_frame& frame, frame_bytes& out)
{
    frame_input in = frame.input; // key_of hands out pointers into a record it may change
    std::uint16_t keys = 0;
    for (int bit = 0; bit < key_bit_count; ++bit) {
        keys |= static_cast<std::uint16_t>(*key_of(in, bit) ? 1u << bit : 0u);
    }
    put(out, frame.dt);
    put(out + 8, keys);
    put(out + 10, in.cursor_x);
    put(out + 18, in.cursor_y);
    put(out + 26, static_cast<std::int32_t>(in.window_width));
    put(out + 30, static_cast<std::int32_t>(in.window_height));
    out[34] = in.gamepad_connected ? 1 : 0;
    for (int b = 0; b < gamepad_state::button_count; ++b) {
        out[35 + b] = in.gamepad.buttons[b] != 0 ? 1 : 0;
    }
    for (int a = 0; a < gamepad_state::axis_count; ++a) {
        put(out + 50 + 4 * a, in.gamepad.axes[a]);
    }
    put(out + 74, frame.checksum);
}

bool decode(const frame_bytes& in, recorded_frame& frame)
{
    frame = recorded_frame{};
    frame_input& f = frame.input;
    frame.dt = get<double>(in);
    const auto keys = get<std::uint16_t>(in + 8);
    if (!(frame.dt >= 0.0 && frame.dt <= max_dt) || keys >> key_bit_count != 0) {
        return false;
    }
    for (int bit = 0; bit < key_bit_count; ++bit) {
        *key_of(f, bit) = (keys >> bit & 1u) != 0;
    }
    f.cursor_x = get<double>(in + 10);
    f.cursor_y = get<double>(in + 18);
    f.window_width = get<std::int32_t>(in + 26);
    f.window_height = get<std::int32_t>(in + 30);
    const auto within = [](double v, double limit) { return v >= -limit && v <= limit; }; // false for NaN
    if (!within(f.cursor_x, max_cursor) || !within(f.cursor_y, max_cursor) || f.window_width < 0 ||
        f.window_width > max_window || f.window_height < 0 || f.window_height > max_window || in[34] > 1) {
        return false;
    }
    f.gamepad_connected = in[34] == 1;
    for (int b = 0; b < gamepad_state::button_count; ++b) {
        if (in[35 + b] > 1) {
            return false;
        }
        f.gamepad.buttons[b] = in[35 + b];
    }
    for (int a = 0; a < gamepad_state::axis_count; ++a) {
        f.gamepad.axes[a] = get<float>(in + 50 + 4 * a);
        if (!within(f.gamepad.axes[a], 1.0)) {
            return false;
        }
    }
    frame.checksum = get<std::uint64_t>(in + 74);
    return true;
}

} // namespace kalvanor
