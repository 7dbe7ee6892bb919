#pragma once

#include <string>
#include <vector>

namespace snapshot {

// Writes 8-bit RGBA pixels as a PNG file through libpng. Rows come bottom first, as glReadPixels
// gives them; the file has them top first, as every viewer expects. The file carries no time or
// other varying chunk, so the same pixels always give the same bytes. Throws std::runtime_error
// "Failed writing PATH." when the file cannot be written.
void write_png(const std::string& path, const std::vector<unsigned char>& rgba, int width, int height);

} // namespace snapshot
