// Reading little-endian fields of the file formats the layer decodes.
// Callers check that the bytes are there.
#pragma once

#include <cstdint>

#include "platform/resources.h"

namespace platform {

inline std::uint32_t Le32(Bytes b, std::size_t at) {
    return static_cast<std::uint32_t>(b[at]) | static_cast<std::uint32_t>(b[at + 1]) << 8 |
           static_cast<std::uint32_t>(b[at + 2]) << 16 |
           static_cast<std::uint32_t>(b[at + 3]) << 24;
}

inline std::uint16_t Le16(Bytes b, std::size_t at) {
    return static_cast<std::uint16_t>(b[at] | b[at + 1] << 8);
}

}  // namespace platform
