#pragma once

// The passes of a frame, in the order they run.
enum class render_pass { shadow, reflection, main, water, bright, blur, bloom };

constexpr int render_pass_count = 7;

// "shadow", "reflection", ... for reports.
const char* name_of(render_pass pass);

// Told as each pass of a frame begins and ends, with the pass's GL work issued in between:
// for timing passes or checking them for GL errors. Passes never nest.
class pass_listener {
public:
    virtual void pass_begun(render_pass pass) = 0;
    virtual void pass_ended(render_pass pass) = 0;

protected:
    ~pass_listener() = default;
};
