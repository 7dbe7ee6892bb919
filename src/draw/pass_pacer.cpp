#include "draw/pass_pacer.hpp"

#include "draw/gl_platform.hpp"

namespace draw {

pass_pacer::~pass_pacer()
{
    if (previous_ != nullptr) {
        glDeleteSync(previous_);
    }
}

void pass_pacer::mark()
{
    GLsync issued = glFenceSync(GL_SYNC_GPU_COMMANDS_COMPLETE, 0);
    if (previous_ != nullptr) {
        glClientWaitSync(previous_, GL_SYNC_FLUSH_COMMANDS_BIT, longest_fence_wait_ns());
        glDeleteSync(previous_);
    }
    previous_ = issued;
}

} // namespace draw
