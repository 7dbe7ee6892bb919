#pragma once

namespace kalvanor {

// Whether a key (or mouse button) counts as down in this frame, from two reads of it in a row
// with GLFW's sticky mode on, and whether it counted as down in the previous frame.
//
// Sticky, GLFW reports a key that was released since the last read as pressed, once, and the
// read clears that; a second read then tells a key still held (pressed again) from one let go
// (released). Let go after being down in the previous frame, it is the end of a hold and counts
// as up at once, exactly as without sticky keys; let go without having been seen down, it was a
// tap between two frames and counts as down for this one frame.
constexpr bool sticky_key_down(bool first_read, bool second_read, bool down_before)
{
    return first_read && (second_read || !down_before);
}

} // namespace kalvanor
