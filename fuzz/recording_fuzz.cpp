// The recording reader on a whole file, and every frame it accepts played through the game's
// controllers: whatever the file holds, the reader refuses it in one line or hands out frames
// that the rules take without crashing or hanging.
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <sstream>
#include <string>

#include "app/recording_reader.hpp"
#include "base/exception.hpp"
#include "model/controllers.hpp"
#include "model/world.hpp"
#include "model/world_checksum.hpp"

// Keeps the rules' work from being optimised away.
volatile std::uint64_t checksum_sink = 0;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // The assets the header names, so that most inputs get past the header to the frames.
    std::uint64_t assets = 0;
    for (std::size_t i = 0; i < 8 && 20 + i < size; ++i) {
        assets |= static_cast<std::uint64_t>(data[20 + i]) << (8 * i);
    }
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    try {
        kalvanor::recording_reader reader(in, "fuzz.rec", assets);
        world w(std::make_shared<model::heightmap>(16, 16));
        controllers rules(w);
        kalvanor::recorded_frame frame;
        while (reader.next(frame)) {
            const std::size_t whole = (size - kalvanor::recording_header_size) / kalvanor::recorded_frame_size;
            if (static_cast<std::size_t>(reader.frames()) > whole || !(frame.dt >= 0.0)) {
                std::abort();
            }
            // Not compared with the recorded checksum: a divergence would end nearly every input
            // at its first frame, and the rules would meet few of the frames the reader accepts.
            rules.update(frame.input, static_cast<float>(frame.dt));
            checksum_sink = world_checksum(w);
        }
    } catch (const kalvanor::exception&) {
    }
    return 0;
}
