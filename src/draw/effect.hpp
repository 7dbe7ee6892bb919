#pragma once

namespace draw {

// A GLSL program with the GL state it needs, used strictly between start and stop. There is no
// virtual destructor: owners hold and delete effects through their concrete (final) type.
class effect {
public:
    effect(const effect&) = delete;
    effect& operator=(const effect&) = delete;

    // Throws kalvanor::exception "Effect is already started." and changes nothing when started.
    void start();
    // Runs on_stop first, even on a stopped effect, then throws kalvanor::exception
    // "Effect was not started." if it was.
    void stop();
    bool started() const { return started_; }

    // Throws kalvanor::exception "Effect must be started before this operation can be executed."
    // when stopped. Every operation that talks to the program calls it first.
    void check_started() const;

    virtual void on_start() = 0;
    virtual void on_stop() = 0;
    virtual void draw() = 0;

protected:
    effect() = default;
    ~effect() = default;

private:
    bool started_ = false;
};

} // namespace draw
