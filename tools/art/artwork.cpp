#include "artwork.h"

#include "render.h"

#include <QFileInfo>

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <string>
#include <utility>

namespace art {
namespace {

// Tile letters: heavy blue with a navy outline.
Shading letterShading(double rimWidth, double bevelWidth) {
    return Shading{
        .body = {30, 60, 200},
        .light = {165, 200, 255},
        .dark = {12, 26, 110},
        .rim = {10, 15, 60},
        .rimWidth = rimWidth,
        .bevelWidth = bevelWidth,
    };
}

// The icon's tile: bright red with a darker red edge.
Shading tileShading(double rimWidth, double bevelWidth) {
    return Shading{
        .body = {214, 28, 28},
        .light = {255, 130, 120},
        .dark = {120, 0, 0},
        .rim = {96, 0, 0},
        .rimWidth = rimWidth,
        .bevelWidth = bevelWidth,
    };
}

// Outline of a capital in font units: baseline at y = 0, y grows downwards.
QPainterPath letterOutline(const QRawFont& font, char letter) {
    const QList<quint32> glyphs = font.glyphIndexesForString(QString(QChar(letter)));
    if (glyphs.size() != 1 || glyphs.front() == 0) {
        throw std::runtime_error(std::string("the font has no glyph for '") + letter + "'");
    }
    QPainterPath path = font.pathForGlyph(glyphs.front());
    if (path.isEmpty()) {
        throw std::runtime_error(std::string("the font's glyph for '") + letter + "' is empty");
    }
    return path;
}

// Height of the flat capitals in font units, taken from "H" so that round
// letters keep their small optical overshoot.
double capHeightUnits(const QRawFont& font) {
    const double h = -letterOutline(font, 'H').boundingRect().top();
    if (!(h > 0.0)) {
        throw std::runtime_error("cannot measure the font's capital height");
    }
    return h;
}

// Squeezes everything below the baseline by `factor`; used for descending
// tails that would otherwise run off the bottom of the tile.
QPainterPath squeezeDescender(QPainterPath path, double factor) {
    for (int i = 0; i < path.elementCount(); ++i) {
        const QPainterPath::Element e = path.elementAt(i);
        if (e.y > 0.0) {
            path.setElementPositionAt(i, e.x, e.y * factor);
        }
    }
    return path;
}

// Cell geometry, in pixels of the 68 x 68 cell. The ink of flat capitals
// (outline included) fills rows 11..56; tails may go down to row 66; nothing
// comes closer than half a pixel to the left and right cell edges.
constexpr double kInkTop = 11.0;
constexpr double kInkBaseline = 57.0;
constexpr double kInkLowest = 66.75;
constexpr double kSideMargin = 0.5;
constexpr double kLetterRim = 1.5;
constexpr double kLetterBevel = 3.0;
constexpr int kLetterSamples = 16;

QPainterPath placeLetter(const QRawFont& font, char letter, double capUnits) {
    QPainterPath outline = letterOutline(font, letter);
    const double capPx = kInkBaseline - kInkTop - 2 * kLetterRim;
    const double sy = capPx / capUnits;
    const double baseline = kInkTop + kLetterRim + capPx;

    const QRectF units = outline.boundingRect();
    const double lowest = baseline + units.bottom() * sy + kLetterRim;
    if (units.bottom() > 0.0 && lowest > kInkLowest) {
        outline =
            squeezeDescender(outline, (kInkLowest - kLetterRim - baseline) / (units.bottom() * sy));
    }
    const QRectF bounds = outline.boundingRect();

    // Wide letters are narrowed to fit; every letter is then centred on its
    // ink rather than on its advance width, which is what looks centred on
    // a tile.
    const double maxInkWidth = kCellSize - 2 * kSideMargin;
    double sx = sy;
    if (bounds.width() * sx + 2 * kLetterRim > maxInkWidth) {
        sx = (maxInkWidth - 2 * kLetterRim) / bounds.width();
    }
    const double dx = kCellSize / 2.0 - bounds.center().x() * sx;
    QTransform place(sx, 0, 0, sy, dx, baseline);
    return place.map(outline);
}

// Leftmost and rightmost points of the outline's interior on the line at
// height y, to the nearest font unit.
std::pair<double, double> horizontalSpan(const QPainterPath& outline, double y) {
    const QRectF bounds = outline.boundingRect();
    double left = 0;
    double right = -1;
    for (double x = std::floor(bounds.left()); x <= bounds.right(); x += 1.0) {
        if (outline.contains(QPointF(x, y))) {
            if (right < left) {
                left = x;
            }
            right = x;
        }
    }
    if (right < left) {
        throw std::runtime_error("cannot find the stem of the icon letter");
    }
    return {left, right + 1.0};
}

void blit(Picture& dst, const Picture& src, int left) {
    for (int y = 0; y < src.height; ++y) {
        for (int x = 0; x < src.width; ++x) {
            dst.at(left + x, y) = src.at(x, y);
        }
    }
}

}  // namespace

QRawFont loadFont(const QString& path) {
    if (!QFileInfo(path).isFile()) {
        throw std::runtime_error("font file not found: " + path.toStdString() +
                                 " (Debian package fonts-dejavu-core)");
    }
    // Drawn at one pixel per font unit without hinting, so the outline is the
    // designer's own, independent of the rasteriser's grid fitting.
    const std::string failed = "cannot load the font " + path.toStdString() +
                               " (damaged file, or a Qt platform plugin without font support: try "
                               "QT_QPA_PLATFORM=offscreen)";
    QRawFont probe(path, 16, QFont::PreferNoHinting);
    if (!probe.isValid() || !(probe.unitsPerEm() > 0)) {
        throw std::runtime_error(failed);
    }
    QRawFont font(path, probe.unitsPerEm(), QFont::PreferNoHinting);
    if (!font.isValid()) {
        throw std::runtime_error(failed);
    }
    return font;
}

Picture renderLetterStrip(const QRawFont& font) {
    const double capUnits = capHeightUnits(font);
    Picture strip(kCellSize * kLetterCount, kCellSize);
    for (int k = 0; k < kLetterCount; ++k) {
        const char letter = char('A' + k);
        // Each cell is rendered on its own, so no letter can reach into a
        // neighbouring tile.
        const ShapeField field(placeLetter(font, letter, capUnits), kCellSize, kCellSize,
                               kLetterSamples);
        const Picture cell =
            composite(kCellSize, kCellSize,
                      {Layer{&field, letterShading(kLetterRim, kLetterBevel)}}, kGround);
        blit(strip, cell, k * kCellSize);
    }
    return strip;
}

Picture renderIcon(const QRawFont& font, int size) {
    if (size < 16 || size > 256) {
        throw std::invalid_argument("icon size out of range");
    }
    const double n = size;
    // Large icons get a little air around the tile; small ones use every pixel.
    const double margin = size >= 64 ? std::round(n / 40.0) : 0.0;
    const double tileRim = std::max(0.6, n / 96.0);
    const double tileSide = n - 2 * margin - 2 * tileRim;
    QPainterPath tile;
    const double radius = 0.2 * (n - 2 * margin);
    tile.addRoundedRect(QRectF(margin + tileRim, margin + tileRim, tileSide, tileSide), radius,
                        radius);

    // The letter keeps the tile strip's proportions of outline and bevel to
    // cap height, with floors so that they survive at 16 pixels.
    const double capInk = std::round(0.62 * n);
    const double letterRim = std::max(1.0, kLetterRim * capInk / (kInkBaseline - kInkTop));
    const double letterBevel = std::max(1.0, kLetterBevel * capInk / (kInkBaseline - kInkTop));
    const double capUnits = capHeightUnits(font);
    const QPainterPath outline = letterOutline(font, 'T');
    const auto [stemLeft, stemRight] = horizontalSpan(outline, -0.4 * capUnits);

    // Fitted to the pixel grid: the top of the bar and both sides of the
    // stem (outline included) fall on pixel edges, which keeps the small
    // sizes crisp. The stem may come out slightly wider or narrower than the
    // font's proportions; at 256 pixels the difference is invisible.
    const double sy = (capInk - 2 * letterRim) / capUnits;
    const double inkTop = std::round((n - capInk) / 2.0);
    const double baseline = inkTop + capInk - letterRim;
    const double stemInk = std::round((stemRight - stemLeft) * sy + 2 * letterRim);
    const double sx = (stemInk - 2 * letterRim) / (stemRight - stemLeft);
    const double stemInkLeft = std::round((n - stemInk) / 2.0);
    const double dx = stemInkLeft + letterRim - stemLeft * sx;
    const QPainterPath letter = QTransform(sx, 0, 0, sy, dx, baseline).map(outline);

    const int samples = size > 64 ? 8 : 16;
    const ShapeField tileField(tile, size, size, samples);
    const ShapeField letterField(letter, size, size, samples);
    return composite(size, size,
                     {Layer{&tileField, tileShading(tileRim, std::max(1.0, n * 0.05))},
                      Layer{&letterField, letterShading(letterRim, letterBevel)}},
                     std::nullopt);
}

std::vector<IconImage> renderIconImages(const QRawFont& font) {
    const IconImage i48{renderIcon(font, 48), IconDepth::Rgb24};
    const IconImage i32{renderIcon(font, 32), IconDepth::Rgb24};
    const IconImage i24{renderIcon(font, 24), IconDepth::Indexed8};
    const IconImage i16{renderIcon(font, 16), IconDepth::Indexed8};
    std::vector<IconImage> images;
    for (const IconImage* image : {&i48, &i32, &i24, &i16}) {
        for (int copy = 0; copy < 3; ++copy) {
            images.push_back(*image);
        }
    }
    images.push_back(IconImage{renderIcon(font, 256), IconDepth::Rgb24});
    return images;
}

}  // namespace art
