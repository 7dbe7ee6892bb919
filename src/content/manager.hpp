#pragma once

#include <memory>
#include <string>

namespace content {

class image_loader;
class mesh_loader;
class text_loader;
class texture_loader;
class heightmap_loader;

// One loader of each kind, all reading below the same asset root. Nothing is cached: every load
// reads the file again.
class manager {
public:
    explicit manager(const std::string& root);
    ~manager();
    manager(const manager&) = delete;
    manager& operator=(const manager&) = delete;

    image_loader& image();
    mesh_loader& mesh();
    text_loader& text();
    texture_loader& texture();
    heightmap_loader& heightmap();

private:
    // Built in this order from the root; destroyed in reverse.
    std::unique_ptr<image_loader> image_;
    std::unique_ptr<mesh_loader> mesh_;
    std::unique_ptr<text_loader> text_;
    std::unique_ptr<texture_loader> texture_;
    std::unique_ptr<heightmap_loader> heightmap_;
};

} // namespace content
