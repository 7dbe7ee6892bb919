// kalvanor-make-assets: writes every generated asset of the game, and its icon.
//
//   kalvanor-make-assets [output-folder]
//
// The folder defaults to the repository's assets/ folder; textures/, meshes/ and icons/ are
// created below it when missing. The game never reads icons/: the package puts the icons where
// desktops look for them. Output is byte-for-byte reproducible (fixed hash noise, no libm in the pictures'
// arithmetic), and a test checks that the committed files match: after changing the generator,
// run it without arguments and commit the files together with the change.
#include <exception>
#include <filesystem>
#include <iostream>
#include <string>

#include "bmp_file.hpp"
#include "icon.hpp"
#include "mesh_file.hpp"
#include "png_file.hpp"
#include "meshes.hpp"
#include "terrain.hpp"
#include "textures.hpp"

#ifndef KALVANOR_ASSETS_DIR
#define KALVANOR_ASSETS_DIR "assets"
#endif

int main(int argc, char** argv) {
    if (argc > 2) {
        std::cerr << "usage: kalvanor-make-assets [output-folder]\n";
        return 2;
    }
    const std::string root = argc == 2 ? argv[1] : KALVANOR_ASSETS_DIR;
    try {
        using namespace assets;
        std::filesystem::create_directories(root + "/textures");
        std::filesystem::create_directories(root + "/meshes");
        std::filesystem::create_directories(root + "/icons");
        write_bmp(root + "/textures/map.bmp", make_height_map());
        write_bmp(root + "/textures/snow.bmp", make_snow());
        write_bmp(root + "/textures/player.bmp", make_player_skin());
        const picture enemy_skin = make_enemy_skin();
        write_bmp(root + "/textures/enemy.bmp", enemy_skin);
        write_bmp(root + "/textures/sky.bmp", make_sky());
        write_bmp(root + "/textures/water_normals.bmp", make_water_normals());
        make_rabbot().write(root + "/meshes/rabbot.txt", "rabbot: enemy robot, feet on z = -0.8, facing +y");
        make_skydome().write(root + "/meshes/skydome.txt", "sky dome: hemisphere seen from inside");
        // The icon shows the enemy robot as the game loads it: read back from the file just
        // written, with the numbers rounded as they are there.
        const auto enemy = read_mesh(root + "/meshes/rabbot.txt");
        for (int size : {48, 128, 256}) {
            snapshot::write_png(root + "/icons/kalvanor-" + std::to_string(size) + ".png",
                                render_icon(enemy, enemy_skin, size), size, size);
        }
    } catch (const std::exception& e) {
        std::cerr << e.what() << "\n";
        return 1;
    }
    return 0;
}
