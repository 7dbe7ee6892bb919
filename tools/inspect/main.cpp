// kalvanor-inspect: shows asset makers what the game makes of their files.
#include <iostream>
#include <string>
#include <vector>

#include "asset_report.hpp"

namespace {

constexpr int status_unclean = 1;
constexpr int status_usage = 2;

int usage(std::ostream& out, int status)
{
    out << "usage: kalvanor-inspect FILE...\n"
           "       kalvanor-inspect --pam OUT FILE.bmp\n"
           "Reads each .bmp picture or .txt mesh as the game does and prints what it finds.\n"
           "--pam writes the decoded picture as a PAM file (RGB_ALPHA, rows top first).\n"
           "Exit status 0 when every file read cleanly, 1 when one did not, 2 for bad usage.\n";
    return status;
}

} // namespace

int main(int argc, char** argv)
{
    std::vector<std::string> files;
    std::string pam_path;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            return usage(std::cout, 0);
        }
        if (arg == "--pam") {
            if (i + 1 == argc || !pam_path.empty()) {
                return usage(std::cerr, status_usage);
            }
            pam_path = argv[++i];
        } else if (arg.size() > 1 && arg[0] == '-') {
            return usage(std::cerr, status_usage);
        } else {
            files.push_back(arg);
        }
    }
    if (files.empty()) {
        return usage(std::cerr, status_usage);
    }
    if (!pam_path.empty() && (files.size() != 1 || inspect::kind_of(files[0]) != inspect::asset_kind::bmp)) {
        std::cerr << "kalvanor-inspect: --pam takes exactly one .bmp file" << std::endl;
        return status_usage;
    }

    bool clean = true;
    for (const std::string& file : files) {
        switch (inspect::kind_of(file)) {
        case inspect::asset_kind::bmp:
            clean = inspect::report_bmp(file, pam_path) && clean;
            break;
        case inspect::asset_kind::mesh:
            clean = inspect::report_mesh(file) && clean;
            break;
        case inspect::asset_kind::unknown:
            std::cout << file << ": not an asset the game reads (.bmp or .txt)" << std::endl;
            clean = false;
            break;
        }
    }
    return clean ? 0 : status_unclean;
}
