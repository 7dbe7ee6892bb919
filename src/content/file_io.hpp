#pragma once

#include <fstream>
#include <string>
#include <vector>

namespace content {

// Opens `path` for binary reading; throws std::runtime_error
// "Stream could not be opened. File name: <path>" when it cannot.
std::ifstream open_input_file(const std::string& path);

// The whole file, byte for byte.
std::vector<char> read_file_bytes(const std::string& path);

} // namespace content
