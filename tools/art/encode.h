// Byte-exact writers for the two Windows formats the game ships. The layout
// is spelled out field by field instead of going through an image plugin so
// that the output never changes with the plugin's defaults.
#pragma once

#include "image.h"

#include <array>
#include <cstdint>
#include <vector>

namespace art {

using Bytes = std::vector<std::uint8_t>;

// Uncompressed bottom-up 24-bit BMP with a 40-byte info header and no palette.
Bytes encodeBmp24(const Picture& picture);

enum class IconDepth { Rgb24, Indexed8 };

struct IconImage {
    Picture picture;
    IconDepth depth = IconDepth::Rgb24;
};

// ICO container with every entry stored as a BMP-style image (info header,
// optional palette, XOR rows, AND mask). Sizes must be 1..256 pixels.
Bytes encodeIco(const std::vector<IconImage>& images);

// The fixed 256-colour palette used by 8-bit icon entries.
const std::array<Rgb, 256>& iconPalette();

// Index of the palette colour nearest to `c` (squared RGB distance, lowest
// index on ties).
int nearestPaletteIndex(Rgb c);

}  // namespace art
