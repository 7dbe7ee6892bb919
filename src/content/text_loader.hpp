#pragma once

#include <string>

#include "content/loader.hpp"

namespace content {

// Whole text files (shader sources) exactly as stored: carriage returns and NUL bytes stay.
class text_loader final : public loader<std::string> {
public:
    using loader::loader;
    std::unique_ptr<std::string> load(const std::string& name) override;
};

} // namespace content
