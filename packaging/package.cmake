# Installation as Debian lays out games, and the Debian package built from it by CPack
# (play.sh --package). Paths are relative to the prefix: /usr in the package.
#   games/kalvanor                  the launcher, the only command a player sees
#   lib/games/kalvanor/kalvanor     the game, off PATH: started anywhere else it finds no
#                                   config.txt or assets/, so only the launcher runs it
#   share/games/kalvanor/           assets/ and the default config.txt
set(KALVANOR_MAINTAINER "Kalvanor developers <maintainers@users.noreply.c-seed-951d5fe1.example>"
  CACHE STRING "Maintainer named in the Debian package and its changelog")

# cpack and the install target would otherwise check every target of the build (tests, tools and
# benchmarks included) before installing the few that the package holds; play.sh --package builds
# those itself.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)

set(games_dir games)
set(game_dir lib/games/kalvanor)
set(data_dir share/games/kalvanor)
file(RELATIVE_PATH LAUNCHER_TO_GAME /${games_dir} /${game_dir}/kalvanor)
file(RELATIVE_PATH LAUNCHER_TO_DATA /${games_dir} /${data_dir})

set(packaging ${PROJECT_SOURCE_DIR}/packaging)
set(staged ${PROJECT_BINARY_DIR}/packaging)
configure_file(${packaging}/kalvanor.in ${staged}/kalvanor @ONLY)
configure_file(${packaging}/kalvanor.6.in ${staged}/kalvanor.6 @ONLY)
configure_file(${packaging}/changelog.in ${staged}/changelog @ONLY)
# Debian wants both compressed, without a time stamp in the gzip header.
add_custom_command(OUTPUT ${staged}/kalvanor.6.gz ${staged}/changelog.gz
  COMMAND gzip -9nkf ${staged}/kalvanor.6 ${staged}/changelog
  DEPENDS ${staged}/kalvanor.6 ${staged}/changelog)
add_custom_target(kalvanor_package_files ALL DEPENDS ${staged}/kalvanor.6.gz ${staged}/changelog.gz)

install(PROGRAMS ${staged}/kalvanor DESTINATION ${games_dir})
install(TARGETS kalvanor RUNTIME DESTINATION ${game_dir})
# icons/ is for the desktop, below; the game never reads it.
install(DIRECTORY ${PROJECT_SOURCE_DIR}/assets DESTINATION ${data_dir} PATTERN icons EXCLUDE)
install(FILES ${PROJECT_SOURCE_DIR}/config.txt DESTINATION ${data_dir})
install(FILES ${packaging}/kalvanor.desktop DESTINATION share/applications)
foreach(size 48 128 256)
  install(FILES ${PROJECT_SOURCE_DIR}/assets/icons/kalvanor-${size}.png
    DESTINATION share/icons/hicolor/${size}x${size}/apps RENAME kalvanor.png)
endforeach()
install(FILES ${staged}/kalvanor.6.gz DESTINATION share/man/man6)
install(FILES ${packaging}/copyright ${staged}/changelog.gz DESTINATION share/doc/kalvanor)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kalvanor)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "3D action game: a robot against twelve in the snow")
# Debian's extended description: lines of at most 80 characters.
set(CPACK_PACKAGE_DESCRIPTION "Drive a robot over a snowy, hilly landscape, aim a heat-limited beam
with the mouse and fight twelve enemy robots that patrol the land and chase
you when you come near. Rising water and the enemies' touch wear your health
down. Drawn with OpenGL: per-pixel lighting and fog, shadows, reflecting
water, a sky dome and bloom.")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${KALVANOR_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
  OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_PACKAGE_DIRECTORY ${PROJECT_BINARY_DIR}/package)
include(CPack)
