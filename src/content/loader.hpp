#pragma once

#include <memory>
#include <string>

namespace content {

// Turns an asset name relative to a root directory into a freshly built T. Nothing is cached:
// every call reads the file again, and callers share results through shared_ptr themselves.
template <typename T>
class loader {
public:
    explicit loader(std::string root) : root_(std::move(root)) {}

    virtual std::unique_ptr<T> load(const std::string& name) = 0;

    std::shared_ptr<T> load_shared(const std::string& name)
    {
        // shared_ptr's constructor deletes the object itself if it cannot allocate its control
        // block, so nothing leaks when this throws.
        return std::shared_ptr<T>(load(name).release());
    }

    const std::string& root() const { return root_; }

protected:
    // Owners hold loaders by their concrete type; never delete through the base.
    ~loader() = default;

    // No separator is inserted and nothing is normalised: "assets/" + "/x" is "assets//x".
    std::string path_of(const std::string& name) const { return root_ + name; }

private:
    std::string root_;
};

} // namespace content
