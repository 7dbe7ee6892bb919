#include "app/recording_writer.hpp"

#include "base/exception.hpp"

namespace kalvanor {

recording_writer::recording_writer(const std::string& path, const recording_header& header)
    : out_(path, std::ios::binary | std::ios::trunc), path_(path)
{
    if (!out_) {
        throw exception("Cannot write the recording '" + path_ + "'.");
    }
    header_bytes bytes;
    encode(header, bytes);
    out_.write(reinterpret_cast<const char*>(bytes), sizeof bytes);
    check();
}

void recording_writer::write(const recorded_frame& frame)
{
    frame_bytes bytes;
    encode(frame, bytes);
    out_.write(reinterpret_cast<const char*>(bytes), sizeof bytes);
    check();
}

void recording_writer::check()
{
    // One write to the system per frame: 82 bytes, cheap beside a frame, and nothing whole is
    // left in the process to be lost.
    out_.flush();
    if (!out_) {
        throw exception("Writing the recording '" + path_ + "' failed.");
    }
}

} // namespace kalvanor
