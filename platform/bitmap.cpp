#include "platform/little_endian.h"
#include "platform/resources.h"

namespace platform {

namespace {}  // namespace

Bitmap Bitmap::FromBmp(Bytes b) {
    constexpr std::size_t kFileHeader = 14;
    constexpr std::size_t kInfoHeader = 40;
    if (b.size() < kFileHeader + kInfoHeader || b[0] != 'B' || b[1] != 'M')
        return {};
    const std::uint32_t offBits = Le32(b, 10);
    const std::uint32_t infoSize = Le32(b, 14);
    const auto width = static_cast<std::int32_t>(Le32(b, 18));
    const auto rawHeight = static_cast<std::int32_t>(Le32(b, 22));
    const std::uint16_t bitCount = Le16(b, 28);
    const std::uint32_t compression = Le32(b, 30);
    if (infoSize < kInfoHeader || bitCount != 24 || compression != 0)
        return {};
    // Limits keep the size arithmetic far from overflow.
    constexpr std::int32_t kMaxEdge = 1 << 15;
    if (width <= 0 || width > kMaxEdge || rawHeight == 0 || rawHeight < -kMaxEdge ||
        rawHeight > kMaxEdge)
        return {};
    const bool bottomUp = rawHeight > 0;
    const std::int32_t height = bottomUp ? rawHeight : -rawHeight;
    const std::size_t stride = (static_cast<std::size_t>(width) * 3 + 3) & ~std::size_t{3};
    if (offBits > b.size() || b.size() - offBits < stride * static_cast<std::size_t>(height))
        return {};

    Bitmap bmp;
    bmp.m_data = std::make_shared<Data>();
    bmp.m_data->width = width;
    bmp.m_data->height = height;
    bmp.m_data->rgb.resize(static_cast<std::size_t>(width) * height * 3);
    for (std::int32_t y = 0; y < height; ++y) {
        const std::size_t srcRow = bottomUp ? static_cast<std::size_t>(height - 1 - y) : y;
        const std::uint8_t* src = b.data() + offBits + srcRow * stride;
        std::uint8_t* dst = bmp.m_data->rgb.data() + static_cast<std::size_t>(y) * width * 3;
        for (std::int32_t x = 0; x < width; ++x) {
            // Stored blue, green, red.
            dst[x * 3] = src[x * 3 + 2];
            dst[x * 3 + 1] = src[x * 3 + 1];
            dst[x * 3 + 2] = src[x * 3];
        }
    }
    return bmp;
}

}  // namespace platform
