#include "pam_file.hpp"

#include <fstream>
#include <vector>

#include "content/bmp_image.hpp"

namespace inspect {

bool write_pam(const std::string& path, const bmp_image& picture)
{
    std::ofstream out(path, std::ios::binary);
    out << "P7\nWIDTH " << picture.width() << "\nHEIGHT " << picture.height()
        << "\nDEPTH 4\nMAXVAL 255\nTUPLTYPE RGB_ALPHA\nENDHDR\n";
    std::vector<char> row(4 * static_cast<std::size_t>(picture.width()));
    for (int j = 0; j < picture.height(); ++j) {
        for (int i = 0; i < picture.width(); ++i) {
            const bmp_pixel p = picture.get_pixel(i, j);
            char* rgba = &row[4 * static_cast<std::size_t>(i)];
            rgba[0] = static_cast<char>(p.red);
            rgba[1] = static_cast<char>(p.green);
            rgba[2] = static_cast<char>(p.blue);
            rgba[3] = static_cast<char>(p.alpha);
        }
        out.write(row.data(), static_cast<std::streamsize>(row.size()));
    }
    out.close();
    return !out.fail();
}

} // namespace inspect
