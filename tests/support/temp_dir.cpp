#include "support/temp_dir.hpp"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>

namespace test {

temp_dir::temp_dir()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "kalvanor-test-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) {
        throw std::runtime_error("cannot create a temporary directory");
    }
    path_ = pattern;
}

temp_dir::~temp_dir()
{
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

std::string temp_dir::file(const std::string& name) const { return path_ + "/" + name; }

std::string temp_dir::write(const std::string& name, const std::string& bytes) const
{
    const std::filesystem::path target = file(name);
    std::filesystem::create_directories(target.parent_path());
    std::ofstream out(target, std::ios::binary);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return target.string();
}

std::string temp_dir::write(const std::string& name, const std::vector<unsigned char>& bytes) const
{
    return write(name, std::string(bytes.begin(), bytes.end()));
}

} // namespace test
