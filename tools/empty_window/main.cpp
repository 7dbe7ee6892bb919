// kalvanor-empty-window: the game's window and context with nothing loaded and nothing drawn but
// a cleared frame. scripts/benchmark.sh times its start-up beside the game's, so that the share
// that belongs to the system (loading the GL driver, creating the context, the window server)
// is measured on the same machine in the same run.
#include <exception>
#include <iostream>

#include <GL/glew.h>
#include <GLFW/glfw3.h>

#include "app/application.hpp"
#include "app/memory_policy.hpp"

int main()
{
    kalvanor::keep_heap_memory();
    try {
        kalvanor::window_settings settings;
        settings.title = "Kalvanor";
        kalvanor::application app(settings);
        bool first = true;
        while (!glfwWindowShouldClose(app.window())) {
            glfwPollEvents();
            glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
            // As in the game, the title changes with the first frame, and the benchmark watches
            // for that.
            if (first) {
                app.set_title("Kalvanor | empty window");
            }
            glfwSwapBuffers(app.window());
            if (first) {
                kalvanor::settle_heap_memory();
                first = false;
            }
        }
    } catch (const std::exception& e) {
        std::cerr << "kalvanor-empty-window: " << e.what() << std::endl;
        return 1;
    }
    return 0;
}
