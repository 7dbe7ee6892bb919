#include "draw/effect.hpp"

#include "base/exception.hpp"

namespace draw {

void effect::start()
{
    if (started_) {
        throw kalvanor::exception("Effect is already started.");
    }
    started_ = true;
    on_start();
}

void effect::stop()
{
    on_stop();
    if (!started_) {
        throw kalvanor::exception("Effect was not started.");
    }
    started_ = false;
}

void effect::check_started() const
{
    if (!started_) {
        throw kalvanor::exception("Effect must be started before this operation can be executed.");
    }
}

} // namespace draw
