#pragma once

#include <memory>
#include <string>

#include "content/loader.hpp"
#include "content/mesh.hpp"

namespace content {

// Meshes in the game's text format (a subset of the usual v/vt/vn/f geometry lines), read into
// an unindexed triangle list. Missing file: std::runtime_error from open_input_file; bad syntax:
// std::runtime_error "Failed parsing ...", and no mesh.
class mesh_loader final : public loader<kalvanor::mesh> {
public:
    using loader::loader;
    std::unique_ptr<kalvanor::mesh> load(const std::string& name) override;
};

} // namespace content
