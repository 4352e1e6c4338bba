// Checks for the pieces whose faults would not show in a quick look at the
// pictures: the distance transform and the exact file layouts.

#include "encode.h"
#include "render.h"

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace {

int failures = 0;

void expect(bool ok, const std::string& what) {
    if (!ok) {
        std::printf("FAILED: %s\n", what.c_str());
        ++failures;
    }
}

std::uint32_t u16(const art::Bytes& b, std::size_t at) {
    return b.at(at) | (b.at(at + 1) << 8);
}
std::uint32_t u32(const art::Bytes& b, std::size_t at) {
    return u16(b, at) | (u16(b, at + 2) << 16);
}

// The feature transform must agree with brute force on distance (ties may
// pick either site).
void testNearestSites() {
    struct Case {
        const char* name;
        int width, height;
        std::vector<const char*> rows;
    };
    const Case cases[] = {
        {"single site", 5, 4, {".....", "...#.", ".....", "....."}},
        {"no site", 3, 2, {"...", "..."}},
        {"all sites", 3, 2, {"###", "###"}},
        {"corners", 7, 5, {"#.....#", ".......", ".......", ".......", "#.....#"}},
        {"ring", 6, 6, {"######", "#....#", "#....#", "#....#", "#....#", "######"}},
        {"scatter", 9, 4, {"#...#....", "......#..", "..#......", "........#"}},
    };
    for (const Case& c : cases) {
        std::vector<std::uint8_t> flags;
        for (const char* row : c.rows) {
            for (int x = 0; x < c.width; ++x) {
                flags.push_back(row[x] == '#' ? 1 : 0);
            }
        }
        const auto nearest = art::nearestSites(flags, c.width, c.height);
        for (int y = 0; y < c.height; ++y) {
            for (int x = 0; x < c.width; ++x) {
                long best = -1;
                for (int i = 0; i < c.width * c.height; ++i) {
                    if (flags[std::size_t(i)]) {
                        const long dx = i % c.width - x;
                        const long dy = i / c.width - y;
                        if (best < 0 || dx * dx + dy * dy < best) {
                            best = dx * dx + dy * dy;
                        }
                    }
                }
                const std::int32_t got = nearest[std::size_t(y * c.width + x)];
                long gotDist = -1;
                if (got >= 0) {
                    const long dx = got % c.width - x;
                    const long dy = got / c.width - y;
                    gotDist = flags[std::size_t(got)] ? dx * dx + dy * dy : -2;
                }
                expect(gotDist == best, std::string(c.name) + ": nearest site at (" +
                                            std::to_string(x) + "," + std::to_string(y) + ")");
            }
        }
    }
}

void testBmpLayout() {
    art::Picture p(3, 2);  // 9 bytes per row, padded to 12
    p.at(0, 0) = {1, 2, 3};
    p.at(2, 1) = {4, 5, 6};
    const art::Bytes b = art::encodeBmp24(p);
    expect(b.size() == 54 + 2 * 12, "BMP size");
    expect(b[0] == 'B' && b[1] == 'M' && u32(b, 2) == b.size(), "BMP file header");
    expect(u32(b, 10) == 54 && u32(b, 14) == 40, "BMP offsets");
    expect(u32(b, 18) == 3 && u32(b, 22) == 2 && u16(b, 26) == 1 && u16(b, 28) == 24,
           "BMP dimensions, planes and depth");
    expect(u32(b, 30) == 0 && u32(b, 34) == 24 && u32(b, 46) == 0, "BMP compression and sizes");
    // Bottom-up, blue first: the last picture row comes first in the file.
    expect(b[54 + 6] == 6 && b[54 + 7] == 5 && b[54 + 8] == 4, "BMP bottom row pixel order");
    expect(b[54 + 9] == 0 && b[54 + 11] == 0, "BMP row padding");
    expect(b[66] == 3 && b[67] == 2 && b[68] == 1, "BMP top row pixel order");
}

void testIcoLayout() {
    art::Picture small(3, 2);
    small.at(1, 0) = {255, 255, 205};
    small.opaque[0] = 0;  // top-left transparent
    const art::Picture big(256, 256);
    const art::Bytes b =
        art::encodeIco({{small, art::IconDepth::Indexed8}, {big, art::IconDepth::Rgb24}});
    expect(u16(b, 0) == 0 && u16(b, 2) == 1 && u16(b, 4) == 2, "ICO directory");

    const std::size_t e0 = 6;
    const std::size_t e1 = 22;
    expect(b[e0] == 3 && b[e0 + 1] == 2 && b[e0 + 2] == 0 && u16(b, e0 + 4) == 1 &&
               u16(b, e0 + 6) == 8,
           "ICO entry for the 8-bit image");
    expect(b[e1] == 0 && b[e1 + 1] == 0 && u16(b, e1 + 6) == 24, "ICO entry for 256 pixels");
    const std::uint32_t off0 = u32(b, e0 + 12);
    const std::uint32_t off1 = u32(b, e1 + 12);
    // header 40 + palette 1024 + XOR 2 rows * 4 + AND 2 rows * 4
    expect(off0 == 38 && u32(b, e0 + 8) == 40 + 1024 + 8 + 8, "ICO 8-bit image size");
    expect(off1 == off0 + u32(b, e0 + 8) && off1 + u32(b, e1 + 8) == b.size(), "ICO offsets");
    expect(u32(b, e1 + 8) == 40 + 256 * 768 + 256 * 32, "ICO 24-bit image size");

    expect(u32(b, off0) == 40 && u32(b, off0 + 4) == 3 && u32(b, off0 + 8) == 4,
           "ICO info header stores twice the height");
    const std::size_t xorRows = off0 + 40 + 1024;
    const auto& pal = art::iconPalette();
    const std::uint8_t ground = b[xorRows + 4 + 1];  // top row, second pixel
    expect(pal[ground] == art::Rgb{255, 255, 205}, "ICO palette holds the tile ground exactly");
    const std::size_t andRows = xorRows + 8;
    expect(b[andRows] == 0 && b[andRows + 4] == 0x80, "ICO AND mask marks the transparent pixel");
}

void testPalette() {
    const auto& pal = art::iconPalette();
    for (int i = 0; i < 256; ++i) {
        const int found = art::nearestPaletteIndex(pal[std::size_t(i)]);
        expect(pal[std::size_t(found)] == pal[std::size_t(i)] && found <= i,
               "palette lookup of entry " + std::to_string(i));
    }
}

}  // namespace

int main() {
    testNearestSites();
    testBmpLayout();
    testIcoLayout();
    testPalette();
    std::printf(failures == 0 ? "all checks passed\n" : "%d check(s) failed\n", failures);
    return failures == 0 ? 0 : 1;
}
