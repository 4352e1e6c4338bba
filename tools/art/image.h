// Plain pixel buffers shared by the renderer and the file encoders.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace art {

struct Rgb {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;

    friend bool operator==(const Rgb&, const Rgb&) = default;
};

// A top-down 24-bit picture with a per-pixel opacity flag. Icons need the
// flag for their AND mask; the letter strip is opaque everywhere.
struct Picture {
    int width = 0;
    int height = 0;
    std::vector<Rgb> pixels;
    std::vector<std::uint8_t> opaque;

    Picture() = default;
    Picture(int w, int h)
        : width(w), height(h), pixels(std::size_t(w) * h), opaque(std::size_t(w) * h, 1) {}

    Rgb& at(int x, int y) { return pixels[std::size_t(y) * width + x]; }
    const Rgb& at(int x, int y) const { return pixels[std::size_t(y) * width + x]; }
    bool isOpaque(int x, int y) const { return opaque[std::size_t(y) * width + x] != 0; }
};

}  // namespace art
