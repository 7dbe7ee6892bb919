#include "enemy_atlas.hpp"
#include "meshes.hpp"
#include "solids.hpp"

namespace assets {

namespace {

// The game places the mesh origin 0.8 above the terrain under the robot, so the tread bottoms lie
// that far below the origin.
constexpr double ground = -0.8;

v3 at(double x, double y, double height) { return {x, y, ground + height}; }

}  // namespace

mesh_builder make_rabbot() {
    namespace atlas = enemy_atlas;
    const v3 x_axis{1, 0, 0}, y_axis{0, 1, 0}, z_axis{0, 0, 1};
    mesh_builder mesh;
    for (double side : {-1.0, 1.0}) {
        // tread: a block with a roller at each end, resting on the ground
        const double cx = 1.15 * side;
        add_box(mesh, at(cx - 0.25, -0.95, 0.0), at(cx + 0.25, 0.95, 0.7), atlas::tread);
        for (double end : {-0.95, 0.95}) {
            add_cylinder(mesh, at(cx, end, 0.35), x_axis, 0.35, 0.25, 16, atlas::tread);
            add_cylinder(mesh, at(cx + 0.27 * side, end, 0.35), x_axis, 0.2, 0.03, 10, atlas::joint);
        }
        // shoulder, upper arm and the gun arm pointing forward
        add_sphere(mesh, at(1.05 * side, 0.0, 2.05), {0.33, 0.33, 0.33}, 8, 12, atlas::accent);
        add_cylinder(mesh, at(1.15 * side, 0.0, 1.65), z_axis, 0.16, 0.35, 10, atlas::joint);
        add_cylinder(mesh, at(1.15 * side, 0.35, 1.3), y_axis, 0.2, 0.55, 16, atlas::plate);
        add_cylinder(mesh, at(1.15 * side, 1.05, 1.3), y_axis, 0.09, 0.2, 10, atlas::joint);
        // exhaust stacks on the back
        add_cylinder(mesh, at(0.3 * side, -0.72, 2.3), z_axis, 0.1, 0.25, 10, atlas::joint);
    }
    add_box(mesh, at(-0.9, -0.75, 0.3), at(0.9, 0.75, 0.85), atlas::plate);          // chassis
    add_cylinder(mesh, at(0.0, 0.0, 1.0), z_axis, 0.45, 0.15, 16, atlas::joint);   // waist
    add_box(mesh, at(-0.8, -0.55, 1.15), at(0.8, 0.55, 2.25), atlas::plate);         // torso
    add_box(mesh, at(-0.55, 0.55, 1.45), at(0.55, 0.65, 2.05), atlas::accent);       // chest plate
    add_box(mesh, at(-0.5, -0.85, 1.3), at(0.5, -0.55, 2.1), atlas::joint);          // backpack
    add_cylinder(mesh, at(0.0, 0.0, 2.35), z_axis, 0.18, 0.1, 12, atlas::joint);   // neck
    add_box(mesh, at(-0.42, -0.38, 2.42), at(0.42, 0.38, 2.92), atlas::plate);       // head
    add_box(mesh, at(-0.34, 0.38, 2.6), at(0.34, 0.44, 2.78), atlas::visor);         // visor
    add_cylinder(mesh, at(0.25, -0.15, 3.1), z_axis, 0.03, 0.18, 6, atlas::joint);  // antenna
    add_sphere(mesh, at(0.25, -0.15, 3.32), {0.07, 0.07, 0.07}, 6, 8, atlas::visor);
    // the game puts the health light 3 units above the origin; this mast carries it
    add_cylinder(mesh, at(0.0, 0.0, 3.36), z_axis, 0.05, 0.44, 8, atlas::joint);
    return mesh;
}

}  // namespace assets
