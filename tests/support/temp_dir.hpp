#pragma once

#include <string>
#include <vector>

namespace test {

// A fresh directory below the system's temporary folder, removed with everything in it when the
// object goes out of scope.
class temp_dir {
public:
    temp_dir();
    ~temp_dir();
    temp_dir(const temp_dir&) = delete;
    temp_dir& operator=(const temp_dir&) = delete;

    const std::string& path() const { return path_; }
    // path() + "/" + name
    std::string file(const std::string& name) const;
    // Writes the bytes to path()/name, creating folders below path() as needed; returns the path.
    std::string write(const std::string& name, const std::string& bytes) const;
    std::string write(const std::string& name, const std::vector<unsigned char>& bytes) const;

private:
    std::string path_;
};

} // namespace test
