#include "app/recording_reader.hpp"

#include <cstring>

#include "base/exception.hpp"

namespace kalvanor {

namespace {

// Reads up to `size` bytes; how many came.
std::size_t read_some(std::istream& in, unsigned char* to, std::size_t size)
{
    in.read(reinterpret_cast<char*>(to), static_cast<std::streamsize>(size));
    return static_cast<std::size_t>(in.gcount());
}

} // namespace

recording_reader::recording_reader(const std::string& path, std::uint64_t assets)
    : file_(path, std::ios::binary), in_(file_), name_(path)
{
    if (!file_) {
        throw exception("Cannot open the recording " + quoted() + ".");
    }
    read_header(assets);
}

recording_reader::recording_reader(std::istream& in, const std::string& name, std::uint64_t assets)
    : in_(in), name_(name)
{
    read_header(assets);
}

void recording_reader::read_header(std::uint64_t assets)
{
    header_bytes bytes{};
    const std::size_t got = read_some(in_, bytes, sizeof bytes);
    if (got < sizeof recording_magic || std::memcmp(bytes, recording_magic, sizeof recording_magic) != 0) {
        throw exception(quoted() + " is not a Kalvanor recording.");
    }
    if (got < sizeof bytes) {
        throw exception(quoted() + " ends inside its header.");
    }
    std::uint32_t frame_size = 0;
    header_ = decode(bytes, frame_size);
    if (header_.version != recording_version) {
        throw exception(quoted() + " is a recording of format version " + std::to_string(header_.version) +
                        "; this game reads version " + std::to_string(recording_version) + ".");
    }
    if (frame_size != recorded_frame_size || header_.width <= 0 || header_.height <= 0 ||
        header_.width > 1 << 16 || header_.height > 1 << 16) {
        throw exception(quoted() + " has a damaged header.");
    }
    if (header_.assets != assets) {
        throw exception(quoted() + " was recorded with other assets.");
    }
}

bool recording_reader::next(recorded_frame& frame)
{
    frame_bytes bytes{};
    const std::size_t got = read_some(in_, bytes, sizeof bytes);
    if (got == 0) {
        return false;
    }
    if (got < sizeof bytes) {
        throw exception(quoted() + " ends in the middle of frame " + std::to_string(frames_) + ".");
    }
    if (!decode(bytes, frame)) {
        throw exception(quoted() + " holds impossible values in frame " + std::to_string(frames_) + ".");
    }
    expected_ = frame.checksum;
    ++frames_;
    return true;
}

void recording_reader::expect(std::uint64_t checksum) const
{
    if (checksum != expected_) {
        throw exception("replay diverged at frame " + std::to_string(frames_ - 1));
    }
}

} // namespace kalvanor
