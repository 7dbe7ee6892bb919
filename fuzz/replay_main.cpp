// A stand-in for libFuzzer's main: runs a fuzz target's entry point once on each input file, so
// that the kept regressions and the seeds replay in every build, gcc's included, with no fuzzer.
// Usage: replay PATH...   (a folder stands for the files directly in it)
#include <algorithm>
#include <ctime>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

int main(int argc, char** argv)
{
    namespace fs = std::filesystem;
    std::vector<fs::path> files;
    for (int i = 1; i < argc; ++i) {
        if (!fs::is_directory(argv[i])) {
            files.emplace_back(argv[i]);
            continue;
        }
        for (const fs::directory_entry& entry : fs::directory_iterator(argv[i])) {
            if (entry.is_regular_file()) {
                files.push_back(entry.path());
            }
        }
    }
    // A run over nothing would pass without having checked anything.
    if (files.empty()) {
        std::cerr << "replay: no input files\n";
        return 2;
    }
    std::sort(files.begin(), files.end());
    double slowest = 0.0;
    fs::path slowest_file;
    for (const fs::path& file : files) {
        std::ifstream in(file, std::ios::binary);
        if (!in) {
            std::cerr << "replay: cannot read " << file << "\n";
            return 2;
        }
        const std::vector<std::uint8_t> data((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        // Named before the run, so that a crash report follows the name of its input.
        std::cerr << "replay: " << file.string() << "\n";
        // Processor time, not wall time: other work on the machine must not make an input slow.
        const std::clock_t start = std::clock();
        LLVMFuzzerTestOneInput(data.data(), data.size());
        const double seconds = static_cast<double>(std::clock() - start) / CLOCKS_PER_SEC;
        if (seconds >= slowest) {
            slowest = seconds;
            slowest_file = file;
        }
    }
    std::cout << "replayed " << files.size() << " inputs; slowest " << slowest * 1000.0 << " ms (CPU): "
              << slowest_file.string() << "\n";
    return 0;
}
