#pragma once

#include <string>

namespace kalvanor {

// What the window is opened with; the game fills every field from the configuration.
struct window_settings {
    std::string title = "My Window";
    int width = 800;        // client pixels, windowed mode only
    int height = 600;       // client pixels, windowed mode only
    bool fullscreen = false; // primary monitor, in its current video mode
    int refresh_rate = 60;  // Hz, a hint
};

} // namespace kalvanor
