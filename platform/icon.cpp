#include "platform/little_endian.h"
#include "platform/resources.h"

namespace platform {

namespace {

// One entry: a bitmap header, a palette for 8-bit pictures, the colour rows
// bottom-up, then a one-bit mask (1 = see-through), also bottom-up.
std::optional<IconImage> DecodeEntry(Bytes e) {
    constexpr std::size_t kHeader = 40;
    if (e.size() < kHeader || Le32(e, 0) < kHeader)
        return std::nullopt;
    const auto width = static_cast<std::int32_t>(Le32(e, 4));
    const auto doubleHeight = static_cast<std::int32_t>(Le32(e, 8));
    const int bits = Le16(e, 14);
    if (Le32(e, 16) != 0 || width <= 0 || width > 1024 || doubleHeight <= 0 ||
        doubleHeight > 2048 || doubleHeight % 2 != 0)
        return std::nullopt;
    if (bits != 8 && bits != 24 && bits != 32)
        return std::nullopt;
    const std::int32_t height = doubleHeight / 2;
    const std::size_t w = static_cast<std::size_t>(width);
    const std::size_t h = static_cast<std::size_t>(height);

    std::size_t at = Le32(e, 0);
    std::size_t colours = 0;
    if (bits == 8) {
        colours = Le32(e, 32) ? Le32(e, 32) : 256;
        if (colours > 256)
            return std::nullopt;
    }
    const std::size_t palette = at;
    at += colours * 4;
    const std::size_t stride = (w * bits + 31) / 32 * 4;
    const std::size_t maskStride = (w + 31) / 32 * 4;
    const std::size_t pixels = at;
    const std::size_t mask = pixels + stride * h;
    const bool hasMask = e.size() >= mask + maskStride * h;
    if (e.size() < mask)
        return std::nullopt;

    IconImage image;
    image.width = width;
    image.height = height;
    image.bitCount = bits;
    image.rgba.resize(w * h * 4);
    for (std::size_t y = 0; y < h; ++y) {
        const std::size_t row = h - 1 - y;
        for (std::size_t x = 0; x < w; ++x) {
            std::uint8_t r = 0, g = 0, b = 0, a = 255;
            const std::size_t p = pixels + row * stride;
            if (bits == 8) {
                const std::size_t index = e[p + x];
                if (index < colours) {
                    b = e[palette + index * 4];
                    g = e[palette + index * 4 + 1];
                    r = e[palette + index * 4 + 2];
                }
            } else {
                const std::size_t q = p + x * (bits / 8);
                b = e[q];
                g = e[q + 1];
                r = e[q + 2];
                if (bits == 32)
                    a = e[q + 3];
            }
            if (hasMask && bits != 32 && (e[mask + row * maskStride + x / 8] >> (7 - x % 8) & 1))
                a = 0;
            std::uint8_t* out = &image.rgba[(y * w + x) * 4];
            out[0] = r;
            out[1] = g;
            out[2] = b;
            out[3] = a;
        }
    }
    return image;
}

}  // namespace

std::vector<IconImage> DecodeIcon(Bytes b) {
    std::vector<IconImage> images;
    if (b.size() < 6 || Le16(b, 0) != 0 || Le16(b, 2) != 1)
        return images;
    const std::size_t count = Le16(b, 4);
    if (b.size() < 6 + 16 * count)
        return images;
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t entry = 6 + 16 * i;
        const std::size_t size = Le32(b, entry + 8);
        const std::size_t offset = Le32(b, entry + 12);
        if (offset > b.size() || size > b.size() - offset)
            continue;
        if (auto image = DecodeEntry(b.subspan(offset, size)))
            images.push_back(std::move(*image));
    }
    return images;
}

}  // namespace platform
