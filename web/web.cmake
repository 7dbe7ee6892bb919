# The browser build: the same game library and main, compiled by Emscripten to WebAssembly with
# WebGL 2, into build-web/site/ as static files (index.html, .js, .wasm and index.data, which
# packs assets/ and config.txt). Configured by scripts/build-web.sh through emcmake; the tests,
# tools, benchmarks and the package belong to the desktop build.
list(FILTER kalvanor_sources EXCLUDE REGEX "_desktop\\.cpp$")

# GLM is headers only: Debian's copy serves, but not the rest of /usr/include, whose headers
# are the desktop's.
find_path(kalvanor_glm_dir glm/glm.hpp PATHS /usr/include NO_CMAKE_FIND_ROOT_PATH REQUIRED)
file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/glm-only)
file(CREATE_LINK ${kalvanor_glm_dir}/glm ${CMAKE_BINARY_DIR}/glm-only/glm SYMBOLIC)

# C++ exceptions carry the game's failures to main, which Emscripten leaves out unless asked.
set(kalvanor_web_flags -fexceptions)
add_library(kalvanor_game STATIC ${kalvanor_sources})
target_include_directories(kalvanor_game PUBLIC src)
target_include_directories(kalvanor_game SYSTEM PUBLIC ${CMAKE_BINARY_DIR}/glm-only)
target_compile_definitions(kalvanor_game PUBLIC GLM_FORCE_CXX17 GLFW_INCLUDE_NONE)
target_compile_options(kalvanor_game PUBLIC ${kalvanor_web_flags})

add_executable(kalvanor src/app/main.cpp)
target_link_libraries(kalvanor PRIVATE kalvanor_game)
set_target_properties(kalvanor PROPERTIES OUTPUT_NAME index SUFFIX .html
                      RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/site)
set(kalvanor_shell ${CMAKE_CURRENT_SOURCE_DIR}/web/shell.html)
target_link_options(kalvanor PRIVATE ${kalvanor_web_flags}
  # The page rewrites config.txt from its address before main runs.
  -sEXPORTED_RUNTIME_METHODS=FS
  -sUSE_GLFW=3 -sMIN_WEBGL_VERSION=2 -sMAX_WEBGL_VERSION=2 -sALLOW_MEMORY_GROWTH=1 -sENVIRONMENT=web
  # Debian's emscripten needs this for an .html output at -O1 and above.
  -sMINIFY_HTML=0
  "SHELL:--shell-file ${kalvanor_shell}"
  "SHELL:--preload-file ${CMAKE_CURRENT_SOURCE_DIR}/assets@assets"
  "SHELL:--preload-file ${CMAKE_CURRENT_SOURCE_DIR}/config.txt@config.txt"
  # The icons are the desktop menu's.
  "SHELL:--exclude-file *icons*")
# The data file is packed at link time, so a changed asset must relink.
file(GLOB_RECURSE kalvanor_web_assets CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/assets/*)
set_property(TARGET kalvanor APPEND PROPERTY LINK_DEPENDS
  ${kalvanor_shell} ${CMAKE_CURRENT_SOURCE_DIR}/config.txt ${kalvanor_web_assets})
