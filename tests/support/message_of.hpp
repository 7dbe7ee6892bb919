#pragma once

// No GL here: the unit tests of every floor use it too.

#include <string>

#include "base/exception.hpp"

namespace test {

// The message of the `Exception` that `action` throws; misuse throws kalvanor::exception, which
// is deliberately not a std::runtime_error. Anything else escapes and fails the test.
template <typename Exception = kalvanor::exception, typename Action>
std::string message_of(Action action)
{
    try {
        action();
    } catch (const Exception& e) {
        return e.what();
    }
    return "(nothing thrown)";
}

} // namespace test
