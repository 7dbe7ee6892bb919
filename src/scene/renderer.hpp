#pragma once

#include <memory>
#include <string>

#include "scene/scene.hpp"

namespace content {
class manager;
}
namespace view {
class camera;
}
class debug_status;
class enemy_model;
class frame_pipeline;
class ground_model;
class player_model;
class sky_dome;
class water_plane;
class water_window;
class world;

// Everything that turns the world into pictures: the frame pipeline, the scene objects, the
// camera and the debug status. Built once the window's context is current; destroyed before the
// window. It only reads the world.
class renderer {
public:
    // width and height: the window's drawable area in pixels. Loads every shader, texture and
    // mesh now; the world's height map becomes the ground. Throws what the loaders, shaders and
    // framebuffers throw.
    renderer(content::manager& content, const world& w, int width, int height);
    ~renderer();
    renderer(const renderer&) = delete;
    renderer& operator=(const renderer&) = delete;

    // One frame: describe, then the pipeline draws the scene onto the window's framebuffer and
    // its counts go to the debug status.
    void draw(const world& w);

    // The first half of draw, without a GL call: the camera follows the player and the scene
    // objects turn the world into the frame's items (sky, player, ground, then each enemy).
    const scene& describe(const world& w);

    // The debug status title.
    const std::string& title() const;

    ::debug_status& debug_status() { return *debug_status_; }
    frame_pipeline& pipeline() { return *pipeline_; }
    const view::camera& camera() const { return *camera_; }

private:
    std::unique_ptr<frame_pipeline> pipeline_;
    std::unique_ptr<::sky_dome> sky_dome_;
    std::unique_ptr<::water_plane> water_plane_;
    std::unique_ptr<::ground_model> ground_model_;
    std::unique_ptr<::player_model> player_model_;
    std::unique_ptr<::enemy_model> enemy_model_;
    std::unique_ptr<view::camera> camera_;
    std::unique_ptr<::debug_status> debug_status_;
    std::unique_ptr<::water_window> water_window_;
    // Rebuilt every frame and emptied after it is drawn; kept here only so that its item list
    // keeps its capacity.
    scene frame_;
};
