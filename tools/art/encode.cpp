#include "encode.h"

#include <stdexcept>
#include <string>

namespace art {
namespace {

void put16(Bytes& out, std::uint32_t v) {
    out.push_back(std::uint8_t(v & 0xFF));
    out.push_back(std::uint8_t((v >> 8) & 0xFF));
}

void put32(Bytes& out, std::uint32_t v) {
    put16(out, v & 0xFFFF);
    put16(out, v >> 16);
}

// Rows of every BMP-style bitmap are padded to a multiple of four bytes.
std::uint32_t paddedRow(std::uint32_t bytes) {
    return (bytes + 3u) & ~3u;
}

void putInfoHeader(Bytes& out, int width, int storedHeight, int bitCount, std::uint32_t imageBytes,
                   std::uint32_t pelsPerMeter) {
    put32(out, 40);                           // biSize
    put32(out, std::uint32_t(width));         // biWidth
    put32(out, std::uint32_t(storedHeight));  // biHeight (positive: bottom-up)
    put16(out, 1);                            // biPlanes
    put16(out, std::uint32_t(bitCount));      // biBitCount
    put32(out, 0);                            // biCompression = BI_RGB
    put32(out, imageBytes);                   // biSizeImage
    put32(out, pelsPerMeter);                 // biXPelsPerMeter
    put32(out, pelsPerMeter);                 // biYPelsPerMeter
    put32(out, 0);                            // biClrUsed (0: all 2^bitCount)
    put32(out, 0);                            // biClrImportant
}

void putRgbRows(Bytes& out, const Picture& p) {
    const std::uint32_t pad = paddedRow(std::uint32_t(p.width) * 3) - std::uint32_t(p.width) * 3;
    for (int y = p.height - 1; y >= 0; --y) {
        for (int x = 0; x < p.width; ++x) {
            const Rgb c = p.isOpaque(x, y) ? p.at(x, y) : Rgb{};
            out.push_back(c.b);
            out.push_back(c.g);
            out.push_back(c.r);
        }
        out.insert(out.end(), pad, 0);
    }
}

void checkPicture(const Picture& p, int maxSide) {
    if (p.width < 1 || p.height < 1 || p.width > maxSide || p.height > maxSide ||
        p.pixels.size() != std::size_t(p.width) * p.height ||
        p.opaque.size() != std::size_t(p.width) * p.height) {
        throw std::invalid_argument("picture of " + std::to_string(p.width) + "x" +
                                    std::to_string(p.height) + " cannot be encoded");
    }
}

// 6x6x6 cube first, then ramps along the tile and icon colours so the small
// icons keep their shading, then greys. Built from integers only.
std::array<Rgb, 256> buildPalette() {
    std::array<Rgb, 256> pal{};
    int n = 0;
    for (int r = 0; r < 6; ++r) {
        for (int g = 0; g < 6; ++g) {
            for (int b = 0; b < 6; ++b) {
                pal[n++] = Rgb{std::uint8_t(r * 51), std::uint8_t(g * 51), std::uint8_t(b * 51)};
            }
        }
    }
    struct Ramp {
        Rgb from, to;
        int steps;
    };
    // Endpoints match the shading colours in render.cpp closely enough that
    // nearest-colour mapping keeps the bevel visible at 16 and 24 pixels.
    const Ramp ramps[] = {
        {{10, 15, 60}, {30, 60, 200}, 6},     // navy rim to letter blue
        {{30, 60, 200}, {165, 200, 255}, 7},  // letter blue to highlight
        {{96, 0, 0}, {214, 28, 28}, 5},       // dark red to tile red
        {{214, 28, 28}, {255, 130, 120}, 4},  // tile red to light red
        {{255, 255, 205}, {255, 255, 205}, 1},
    };
    for (const Ramp& ramp : ramps) {
        for (int i = 0; i < ramp.steps; ++i) {
            const int d = ramp.steps > 1 ? ramp.steps - 1 : 1;
            auto lerp = [&](int a, int b) { return std::uint8_t(a + ((b - a) * i + d / 2) / d); };
            pal[n++] = Rgb{lerp(ramp.from.r, ramp.to.r), lerp(ramp.from.g, ramp.to.g),
                           lerp(ramp.from.b, ramp.to.b)};
        }
    }
    // The remaining entries are evenly spaced greys that the cube lacks.
    const int greys = 256 - n;
    for (int i = 0; i < greys; ++i) {
        const auto v = std::uint8_t((255 * (i + 1) + (greys + 1) / 2) / (greys + 1));
        pal[n++] = Rgb{v, v, v};
    }
    return pal;
}

}  // namespace

const std::array<Rgb, 256>& iconPalette() {
    static const std::array<Rgb, 256> palette = buildPalette();
    return palette;
}

int nearestPaletteIndex(Rgb c) {
    const auto& pal = iconPalette();
    int best = 0;
    int bestDist = 1 << 30;
    for (int i = 0; i < 256; ++i) {
        const int dr = int(pal[i].r) - c.r;
        const int dg = int(pal[i].g) - c.g;
        const int db = int(pal[i].b) - c.b;
        const int dist = dr * dr + dg * dg + db * db;
        if (dist < bestDist) {
            bestDist = dist;
            best = i;
        }
    }
    return best;
}

Bytes encodeBmp24(const Picture& picture) {
    checkPicture(picture, 1 << 15);
    const std::uint32_t rowBytes = paddedRow(std::uint32_t(picture.width) * 3);
    const std::uint32_t imageBytes = rowBytes * std::uint32_t(picture.height);
    const std::uint32_t headerBytes = 14 + 40;

    Bytes out;
    out.reserve(headerBytes + imageBytes);
    out.push_back('B');
    out.push_back('M');
    put32(out, headerBytes + imageBytes);  // bfSize
    put32(out, 0);                         // bfReserved1, bfReserved2
    put32(out, headerBytes);               // bfOffBits
    putInfoHeader(out, picture.width, picture.height, 24, imageBytes, 2835);
    putRgbRows(out, picture);
    return out;
}

namespace {

Bytes encodeIconImage(const IconImage& image) {
    const Picture& p = image.picture;
    const bool indexed = image.depth == IconDepth::Indexed8;
    const std::uint32_t xorRow = paddedRow(std::uint32_t(p.width) * (indexed ? 1 : 3));
    const std::uint32_t andRow = paddedRow((std::uint32_t(p.width) + 7) / 8);
    const std::uint32_t pixelBytes = (xorRow + andRow) * std::uint32_t(p.height);

    Bytes out;
    // The stored height covers the XOR and the AND bitmaps stacked together.
    putInfoHeader(out, p.width, 2 * p.height, indexed ? 8 : 24, pixelBytes, 0);
    if (indexed) {
        for (const Rgb& c : iconPalette()) {
            out.push_back(c.b);
            out.push_back(c.g);
            out.push_back(c.r);
            out.push_back(0);
        }
        for (int y = p.height - 1; y >= 0; --y) {
            for (int x = 0; x < p.width; ++x) {
                // Transparent pixels point at black (index 0) as the mask
                // convention expects for the XOR part.
                out.push_back(p.isOpaque(x, y) ? std::uint8_t(nearestPaletteIndex(p.at(x, y))) : 0);
            }
            out.insert(out.end(), xorRow - std::uint32_t(p.width), 0);
        }
    } else {
        putRgbRows(out, p);
    }
    for (int y = p.height - 1; y >= 0; --y) {
        Bytes row(andRow, 0);
        for (int x = 0; x < p.width; ++x) {
            if (!p.isOpaque(x, y)) {
                row[std::size_t(x) / 8] |= std::uint8_t(0x80u >> (x % 8));
            }
        }
        out.insert(out.end(), row.begin(), row.end());
    }
    return out;
}

}  // namespace

Bytes encodeIco(const std::vector<IconImage>& images) {
    if (images.empty() || images.size() > 0xFFFF) {
        throw std::invalid_argument("an icon file needs between 1 and 65535 images");
    }
    std::vector<Bytes> bodies;
    for (const IconImage& image : images) {
        checkPicture(image.picture, 256);
        bodies.push_back(encodeIconImage(image));
    }

    Bytes out;
    put16(out, 0);  // reserved
    put16(out, 1);  // type: icon
    put16(out, std::uint32_t(images.size()));
    std::uint32_t offset = 6 + 16 * std::uint32_t(images.size());
    for (std::size_t i = 0; i < images.size(); ++i) {
        const Picture& p = images[i].picture;
        out.push_back(std::uint8_t(p.width & 0xFF));  // 256 is stored as 0
        out.push_back(std::uint8_t(p.height & 0xFF));
        out.push_back(0);  // colour count: 0 for 256 colours or more
        out.push_back(0);  // reserved
        put16(out, 1);     // planes
        put16(out, images[i].depth == IconDepth::Indexed8 ? 8 : 24);
        put32(out, std::uint32_t(bodies[i].size()));
        put32(out, offset);
        offset += std::uint32_t(bodies[i].size());
    }
    for (const Bytes& body : bodies) {
        out.insert(out.end(), body.begin(), body.end());
    }
    return out;
}

}  // namespace art
