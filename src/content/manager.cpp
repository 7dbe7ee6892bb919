#include "content/manager.hpp"

#include "content/text_loader.hpp"

namespace content {

manager::manager(const std::string& root)
    : text_(std::make_unique<text_loader>(root))
{
}

manager::~manager()
{
    text_.reset();
}

text_loader& manager::text() { return *text_; }

} // namespace content
