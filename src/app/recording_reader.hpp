#pragma once

#include <cstdint>
#include <fstream>
#include <istream>
#include <string>

#include "app/recording.hpp"

namespace kalvanor {

// Reads a recording frame by frame and says, in one line, why it cannot: every failure is a
// kalvanor::exception whose message names the file.
class recording_reader {
public:
    // Opens the file and checks its header against the assets the game runs with (an
    // asset_identity). Throws "Cannot open the recording 'NAME'.", "'NAME' is not a Kalvanor
    // recording.", "'NAME' ends inside its header.", "'NAME' is a recording of format version N;
    // this game reads version 1.", "'NAME' has a damaged header." or "'NAME' was recorded with
    // other assets.".
    recording_reader(const std::string& path, std::uint64_t assets);
    // The same on a stream, named `name` in the messages.
    recording_reader(std::istream& in, const std::string& name, std::uint64_t assets);
    recording_reader(const recording_reader&) = delete;
    recording_reader& operator=(const recording_reader&) = delete;

    const recording_header& header() const { return header_; }

    // The next frame, or false at the end of the file after the last whole frame. Throws
    // "'NAME' ends in the middle of frame N." and "'NAME' holds impossible values in frame N.".
    // Reads into fixed storage: no allocation.
    bool next(recorded_frame& frame);

    // Compares the world's checksum after the rules of the frame last read with the recorded
    // one. Throws "replay diverged at frame N" on a difference.
    void expect(std::uint64_t checksum) const;

    // Frames read so far; the last one read is number frames() - 1, counting from 0.
    int frames() const { return frames_; }

private:
    void read_header(std::uint64_t assets);
    std::string quoted() const { return "'" + name_ + "'"; }

    std::ifstream file_; // unused when reading a stream given from outside
    std::istream& in_;
    std::string name_;
    recording_header header_;
    std::uint64_t expected_ = 0; // the checksum of the frame last read
    int frames_ = 0;
};

} // namespace kalvanor
