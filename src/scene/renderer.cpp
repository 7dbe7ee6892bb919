#include "scene/renderer.hpp"

#include "draw/initialize_gl.hpp"
#include "model/world.hpp"
#include "scene/debug_status.hpp"
#include "scene/enemy_model.hpp"
#include "scene/frame_pipeline.hpp"
#include "scene/ground_model.hpp"
#include "scene/player_model.hpp"
#include "scene/sky_dome.hpp"
#include "scene/water_plane.hpp"
#include "scene/water_window.hpp"
#include "view/camera.hpp"

renderer::renderer(content::manager& content, const world& w, int width, int height)
{
    // Before any other GL call.
    draw::initialize_gl();
    pipeline_ = std::make_unique<frame_pipeline>(content, width, height);
    sky_dome_ = std::make_unique<::sky_dome>(content);
    water_plane_ = std::make_unique<::water_plane>(content, 0.1f, 0.2f);
    ground_model_ = std::make_unique<::ground_model>(content, *w.heightmap);
    player_model_ = std::make_unique<::player_model>(content);
    enemy_model_ = std::make_unique<::enemy_model>(content);
    camera_ = std::make_unique<view::camera>(static_cast<float>(width), static_cast<float>(height));
    debug_status_ = std::make_unique<::debug_status>();
    water_window_ = std::make_unique<::water_window>(*w.heightmap);
}

// Members go in reverse order, the pipeline with its effects and targets last.
renderer::~renderer() = default;

const std::string& renderer::title() const { return debug_status_->title(); }

const scene& renderer::describe(const world& w)
{
    scene& frame = frame_;
    frame.clear_items();
    frame.ambient_light = vec3(0.3f, 0.3f, 0.45f);
    frame.light_direction = vec3(0.0f, 1.0f, -1.0f);
    frame.light_color = vec3(0.9f, 0.9f, 0.8f);
    frame.light_intensity = 1.1f;
    frame.fog_color = vec3(0.8f, 0.9f, 0.95f);

    camera_->follow(w);
    const float far = camera_->far_distance();
    frame.fog_start = far / 3.0f * 2.0f;
    frame.fog_end = far;

    sky_dome_->update(*camera_);
    scene_item sky(sky_dome_->geometry, sky_dome_->material, sky_dome_->world_matrix);
    sky.cast_shadow = false;
    frame.add_item(sky);

    player_model_->update(w);
    player_model_->add_to(frame);
    frame.add_item(ground_model_->item);

    water_plane_->update(w.game_state);
    frame.water_normal_map = water_plane_->normal_map;
    frame.water_level = water_plane_->level;
    frame.ripple_offset = water_plane_->ripple_offset;
    frame.water_window = water_window_->find(camera_->projection_matrix() * camera_->view_matrix(),
                                             camera_->eye_position(), frame.water_level);

    enemy_model& enemy = *enemy_model_;
    for (const model::EnemyRobotEntity& e : w.enemies) {
        enemy.update(w, e);
        frame.add_item(scene_item(enemy.geometry, enemy.material, enemy.world_matrix));
        enemy.health_light.add_to(frame);
    }
    return frame;
}

void renderer::draw(const world& w)
{
    pipeline_->render(describe(w), *camera_);
    debug_status_->draw_counters = pipeline_->draw_counters;
    // The frame's items let go of their geometry and materials now, as a fresh scene would.
    frame_.clear_items();
}
