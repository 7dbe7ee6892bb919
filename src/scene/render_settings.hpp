#pragma once

// The rendering switches of debug mode. The field order is also the order in which the game
// copies the record into the frame pipeline.
struct render_settings {
    bool wireframe = false;      // F3
    bool culling = true;         // F8: skip meshes outside the view frustum
    bool transparency = true;    // F9: see-through water
    bool linear_sampling = true; // F4: magnification filter
    // F5 cycles the pair: linear mipmapping -> no mipmaps -> nearest mipmapping -> linear.
    bool mipmaps = true;
    bool linear_mipmaps = true;
};
