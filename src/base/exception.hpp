#pragma once

#include <exception>
#include <string>

namespace kalvanor {

// The game reports misuse, bad arguments and configuration problems as a plain std::exception
// that carries its message (deliberately not a std::runtime_error, which is kept for failures of
// files, the driver and the windowing library). std::exception itself cannot carry text.
class exception : public std::exception {
public:
    explicit exception(std::string message) : message_(std::move(message)) {}
    const char* what() const noexcept override { return message_.c_str(); }

private:
    std::string message_;
};

} // namespace kalvanor
