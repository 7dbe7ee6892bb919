#pragma once

#include <cstdint>
#include <string>

namespace kalvanor {

// A fingerprint of every file below root (its path relative to root and its bytes), so that a
// recording made with other assets (another map, say) is told apart before it is replayed.
// Throws "Cannot read the assets in 'ROOT'." when root cannot be walked or a file read.
std::uint64_t asset_identity(const std::string& root);

} // namespace kalvanor
