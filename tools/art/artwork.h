// The two pieces of artwork: the 26-letter tile strip and the window icon.
#pragma once

#include "encode.h"
#include "image.h"

#include <QRawFont>
#include <QString>

namespace art {

inline constexpr int kCellSize = 68;
inline constexpr int kLetterCount = 26;

inline constexpr Rgb kGround{255, 255, 205};

// Loads the outline font; throws std::runtime_error with a readable message
// when the file is missing or not a usable font.
QRawFont loadFont(const QString& path);

// One 68 x 68 cell per letter A..Z, left to right.
Picture renderLetterStrip(const QRawFont& font);

// The icon entries in file order: 48, 32 (24-bit), 24, 16 (8-bit), three
// times each, then 256 (24-bit).
std::vector<IconImage> renderIconImages(const QRawFont& font);

// Single icon picture at `size` pixels, opaque only inside the rounded square.
Picture renderIcon(const QRawFont& font, int size);

}  // namespace art
