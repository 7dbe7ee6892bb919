#pragma once

#include <string>

namespace inspect {

enum class asset_kind { bmp, mesh, unknown };

// By extension, ignoring case: ".bmp" pictures, ".txt" meshes.
asset_kind kind_of(const std::string& path);

// Reads the file through the game's own code and prints, on standard output, what the game would
// make of it: a picture's reader diagnostics and then "PATH: bmp WxH, D-bit"; a mesh's
// "PATH: mesh T triangles" or "PATH: " and the loader's message. True when it read cleanly: for a
// picture, when the reader reported no error.
// With a non-empty `pam_path` a picture is also written there as PAM (what the game sees, even
// the fallback picture of a failed read).
bool report_bmp(const std::string& path, const std::string& pam_path);
bool report_mesh(const std::string& path);

} // namespace inspect
