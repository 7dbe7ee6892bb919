#include "asset_report.hpp"

#include <algorithm>
#include <cctype>
#include <exception>
#include <iostream>

#include "content/bmp_image.hpp"
#include "content/image.hpp"
#include "content/image_loader.hpp"
#include "content/mesh_loader.hpp"
#include "pam_file.hpp"

namespace inspect {

namespace {

bool ends_with_ignoring_case(const std::string& text, const std::string& suffix)
{
    if (text.size() < suffix.size()) {
        return false;
    }
    return std::equal(suffix.begin(), suffix.end(), text.end() - static_cast<std::ptrdiff_t>(suffix.size()),
                      [](char a, char b) { return std::tolower(static_cast<unsigned char>(a)) == b; });
}

} // namespace

asset_kind kind_of(const std::string& path)
{
    if (ends_with_ignoring_case(path, ".bmp")) {
        return asset_kind::bmp;
    }
    if (ends_with_ignoring_case(path, ".txt")) {
        return asset_kind::mesh;
    }
    return asset_kind::unknown;
}

bool report_bmp(const std::string& path, const std::string& pam_path)
{
    bmp_image picture;
    // A file cut short is read, and yet it did not read cleanly: the reader said so.
    const bool clean = picture.read_from_file(path) && !picture.reported_error();
    std::cout << path << ": bmp " << picture.width() << "x" << picture.height() << ", "
              << picture.bit_depth() << "-bit" << std::endl;
    if (!pam_path.empty() && !write_pam(pam_path, *content::image_from_bmp(picture))) {
        std::cerr << "kalvanor-inspect: cannot write " << pam_path << std::endl;
        return false;
    }
    return clean;
}

bool report_mesh(const std::string& path)
{
    try {
        // An empty root makes the name the whole path.
        content::mesh_loader loader("");
        const auto mesh = loader.load(path);
        std::cout << path << ": mesh " << mesh->indices().size() / 3 << " triangles" << std::endl;
        return true;
    } catch (const std::exception& e) {
        std::cout << path << ": " << e.what() << std::endl;
        return false;
    }
}

} // namespace inspect
