# Runs the generator into an empty folder and compares every file with the committed one.
# cmake -DGENERATOR=... -DCOMMITTED=<assets folder> -DSCRATCH=<folder> -P reproduce_assets.cmake
set(files
  textures/map.bmp textures/snow.bmp textures/player.bmp textures/enemy.bmp textures/sky.bmp
  textures/water_normals.bmp meshes/rabbot.txt meshes/skydome.txt
  icons/kalvanor-48.png icons/kalvanor-128.png icons/kalvanor-256.png)

file(REMOVE_RECURSE ${SCRATCH})
execute_process(COMMAND ${GENERATOR} ${SCRATCH} RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "The generator failed (${result}).")
endif()

set(different "")
foreach(file ${files})
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${SCRATCH}/${file} ${COMMITTED}/${file}
    RESULT_VARIABLE result)
  if(NOT result EQUAL 0)
    list(APPEND different ${file})
  endif()
endforeach()
if(different)
  message(FATAL_ERROR "Generated files differ from the committed ones: ${different}. "
    "Run kalvanor-make-assets and commit its output with the generator change.")
endif()
