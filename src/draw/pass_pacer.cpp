#include "draw/pass_pacer.hpp"

namespace draw {

namespace {

// A frame that takes longer than this is already unplayable; the wait gives up rather than hang
// the game on a lost context.
constexpr GLuint64 longest_wait_ns = 1000000000;

} // namespace

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
        glClientWaitSync(previous_, GL_SYNC_FLUSH_COMMANDS_BIT, longest_wait_ns);
        glDeleteSync(previous_);
    }
    previous_ = issued;
}

} // namespace draw
