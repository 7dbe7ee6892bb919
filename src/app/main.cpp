#include <exception>
#include <iostream>

#include "app/application.hpp"
#include "app/game.hpp"
#include "app/memory_policy.hpp"

// No command-line options: everything comes from config.txt and assets/ in the working directory.
int main()
{
    kalvanor::keep_heap_memory();
    try {
        kalvanor::game game;
        game.app().run(game);
    } catch (const std::exception& e) {
        std::cerr << "kalvanor: " << e.what() << std::endl;
        return 1;
    } catch (...) {
        std::cerr << "kalvanor: unknown error" << std::endl;
        return 1;
    }
    return 0;
}
