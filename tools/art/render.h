// Supersampled shape rendering with bevel and outline shading.
//
// A shape is rasterised as a hard mask at many samples per pixel; an exact
// Euclidean feature transform then tells every sample how far it is from the
// outline and in which direction the outline lies. Shading is a pure function
// of that distance and direction, and each output pixel is the plain average
// of its samples, so the result depends only on the outline and the numbers
// below, never on the platform's font rendering or colour management.
#pragma once

#include "image.h"

#include <QPainterPath>

#include <cstdint>
#include <optional>
#include <vector>

namespace art {

struct Shading {
    Rgb body;           // flat face of the shape
    Rgb light;          // bevel facing the light
    Rgb dark;           // bevel facing away from the light
    Rgb rim;            // outline drawn just outside the shape
    double rimWidth;    // pixels outside the outline
    double bevelWidth;  // pixels inside the outline
    // Unit vector pointing towards the light, in image coordinates (y grows
    // downwards): from the top left, a little more from above than the side.
    double lightX = -0.6;
    double lightY = -0.8;
};

class ShapeField {
public:
    // `path` is in pixel coordinates of a pxWidth x pxHeight picture.
    ShapeField(const QPainterPath& path, int pxWidth, int pxHeight, int samplesPerPixel);

    struct Probe {
        double distance;  // to the outline in pixels, positive inside
        double nx;        // unit direction pointing out of the shape
        double ny;
    };
    Probe probe(int sx, int sy) const;

    int samplesPerPixel() const { return scale_; }
    int sampleWidth() const { return width_; }
    int sampleHeight() const { return height_; }

private:
    int width_;
    int height_;
    int scale_;
    std::vector<std::uint8_t> inside_;
    std::vector<std::int32_t> nearestOutside_;
    std::vector<std::int32_t> nearestInside_;
};

struct Layer {
    const ShapeField* field;
    Shading shading;
};

// Paints the layers bottom to top. With a ground colour every pixel is opaque;
// without one a pixel is opaque when at least half of its samples are covered
// by some layer, and its colour is the average over the covered samples.
Picture composite(int width, int height, const std::vector<Layer>& layers,
                  std::optional<Rgb> ground);

// Exposed for checking: index (y * width + x) of the nearest sample whose
// flag is set, or -1 when no flag is set at all.
std::vector<std::int32_t> nearestSites(const std::vector<std::uint8_t>& flags, int width,
                                       int height);

}  // namespace art
