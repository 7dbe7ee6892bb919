#include "scene/sky_dome.hpp"

#include "content/manager.hpp"
#include "content/mesh_loader.hpp"
#include "content/texture_loader.hpp"
#include "draw/camera_base.hpp"
#include "draw/geometry.hpp"
#include "draw/material.hpp"

sky_dome::sky_dome(content::manager& content)
    : geometry(draw::geometry_of(*content.mesh().load_shared("meshes/skydome.txt"))),
      material(std::make_shared<draw::material>())
{
    // The dome is seen from inside, so its texture runs the other way round.
    material->texcoord_scale = -1.0f;
    material->diffuse_color = vec3(0.0f);
    material->emissive_map = content.texture().load_shared("textures/sky.bmp");
    material->depth_write_disabled = true;
    material->background = true;
}

void sky_dome::update(const draw::camera_base& camera)
{
    const float far = camera.far_distance();
    world_matrix = draw::translate(mat4(1.0f), camera.eye_position() - vec3(0.0f, 0.0f, 7.0f));
    world_matrix = draw::scale(world_matrix, vec3(0.025f));
    world_matrix = draw::scale(world_matrix, vec3(1.05f * far, 1.05f * far, far / 3.0f));
}
