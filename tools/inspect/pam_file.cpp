#include "pam_file.hpp"

#include <fstream>

#include "content/image.hpp"

namespace inspect {

bool write_pam(const std::string& path, const kalvanor::image& picture)
{
    std::ofstream out(path, std::ios::binary);
    out << "P7\nWIDTH " << picture.width() << "\nHEIGHT " << picture.height()
        << "\nDEPTH 4\nMAXVAL 255\nTUPLTYPE RGB_ALPHA\nENDHDR\n";
    // The image's own layout is already RGBA with the top row first.
    out.write(reinterpret_cast<const char*>(picture.data()),
              static_cast<std::streamsize>(picture.width()) * picture.height() * 4);
    out.close();
    return !out.fail();
}

} // namespace inspect
