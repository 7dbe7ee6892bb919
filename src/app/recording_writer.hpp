#pragma once

#include <fstream>
#include <string>

#include "app/recording.hpp"

namespace kalvanor {

// Writes a recording as the game runs. Each frame is handed to the system as soon as it is
// written, so a crash or a killed process still leaves every whole frame before it on disk; the
// stream's own buffer takes the bytes, so a frame allocates nothing.
class recording_writer {
public:
    // Creates (or empties) the file and writes the header. Throws "Cannot write the recording
    // 'PATH'.".
    recording_writer(const std::string& path, const recording_header& header);

    // Throws "Writing the recording 'PATH' failed." (a full disk, say).
    void write(const recorded_frame& frame);

private:
    void check();

    std::ofstream out_;
    std::string path_;
};

} // namespace kalvanor
