#include "render.h"

#include <QImage>
#include <QPainter>

#include <cmath>
#include <limits>
#include <stdexcept>

namespace art {

std::vector<std::int32_t> nearestSites(const std::vector<std::uint8_t>& flags, int width,
                                       int height) {
    // Felzenszwalb-Huttenlocher: exact nearest site per column, then the
    // lower envelope of parabolas along each row. Integer inputs, and the
    // only division is the envelope crossing, so the result is reproducible.
    const std::size_t count = std::size_t(width) * height;
    std::vector<std::int32_t> columnSite(count, -1);  // row of nearest site in the column
    for (int x = 0; x < width; ++x) {
        int last = -1;
        for (int y = 0; y < height; ++y) {
            if (flags[std::size_t(y) * width + x]) {
                last = y;
            }
            columnSite[std::size_t(y) * width + x] = last;
        }
        last = -1;
        for (int y = height - 1; y >= 0; --y) {
            if (flags[std::size_t(y) * width + x]) {
                last = y;
            }
            std::int32_t& site = columnSite[std::size_t(y) * width + x];
            if (last >= 0 && (site < 0 || last - y < y - site)) {
                site = last;
            }
        }
    }

    std::vector<std::int32_t> result(count, -1);
    std::vector<int> hull(static_cast<std::size_t>(width));
    std::vector<double> bound(static_cast<std::size_t>(width) + 1);
    std::vector<std::int64_t> cost(static_cast<std::size_t>(width));
    for (int y = 0; y < height; ++y) {
        const std::int32_t* sites = &columnSite[std::size_t(y) * width];
        for (int x = 0; x < width; ++x) {
            const std::int64_t dy = sites[x] < 0 ? 0 : std::int64_t(sites[x]) - y;
            cost[std::size_t(x)] = std::int64_t(x) * x + dy * dy;
        }
        int k = -1;
        for (int q = 0; q < width; ++q) {
            if (sites[q] < 0) {
                continue;
            }
            double s = -std::numeric_limits<double>::infinity();
            while (k >= 0) {
                const int v = hull[std::size_t(k)];
                s = double(cost[std::size_t(q)] - cost[std::size_t(v)]) / double(2 * (q - v));
                if (s > bound[std::size_t(k)]) {
                    break;
                }
                --k;
            }
            ++k;
            hull[std::size_t(k)] = q;
            bound[std::size_t(k)] = k == 0 ? -std::numeric_limits<double>::infinity() : s;
            bound[std::size_t(k) + 1] = std::numeric_limits<double>::infinity();
        }
        if (k < 0) {
            continue;
        }
        int j = 0;
        for (int x = 0; x < width; ++x) {
            while (bound[std::size_t(j) + 1] < x) {
                ++j;
            }
            const int sx = hull[std::size_t(j)];
            result[std::size_t(y) * width + x] = sites[sx] * width + sx;
        }
    }
    return result;
}

ShapeField::ShapeField(const QPainterPath& path, int pxWidth, int pxHeight, int samplesPerPixel)
    : width_(pxWidth * samplesPerPixel),
      height_(pxHeight * samplesPerPixel),
      scale_(samplesPerPixel) {
    if (pxWidth < 1 || pxHeight < 1 || samplesPerPixel < 1 || width_ > 8192 || height_ > 8192) {
        throw std::invalid_argument("shape raster size out of range");
    }
    // A hard-edged mask: each sample is either inside or outside. Smoothing
    // comes from averaging samples later, not from the painter.
    QImage mask(width_, height_, QImage::Format_RGB32);
    mask.fill(Qt::black);
    {
        QPainter painter(&mask);
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.scale(samplesPerPixel, samplesPerPixel);
        QPainterPath filled = path;
        filled.setFillRule(Qt::WindingFill);
        painter.fillPath(filled, Qt::white);
    }
    inside_.resize(std::size_t(width_) * height_);
    std::vector<std::uint8_t> outside(inside_.size());
    for (int y = 0; y < height_; ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(mask.constScanLine(y));
        for (int x = 0; x < width_; ++x) {
            const bool in = qGreen(line[x]) >= 128;
            inside_[std::size_t(y) * width_ + x] = in ? 1 : 0;
            outside[std::size_t(y) * width_ + x] = in ? 0 : 1;
        }
    }
    nearestOutside_ = nearestSites(outside, width_, height_);
    nearestInside_ = nearestSites(inside_, width_, height_);
}

ShapeField::Probe ShapeField::probe(int sx, int sy) const {
    const std::size_t i = std::size_t(sy) * width_ + sx;
    const bool in = inside_[i] != 0;
    const std::int32_t site = in ? nearestOutside_[i] : nearestInside_[i];
    if (site < 0) {
        const double far = double(width_ + height_) / scale_;
        return Probe{in ? far : -far, 0.0, 0.0};
    }
    const double dx = double(site % width_ - sx);
    const double dy = double(site / width_ - sy);
    const double d = std::sqrt(dx * dx + dy * dy);
    // The outline runs between the two neighbouring samples, half a sample
    // from each of them.
    const double distance = (d - 0.5) / scale_;
    if (in) {
        return Probe{distance, dx / d, dy / d};
    }
    return Probe{-distance, -dx / d, -dy / d};
}

namespace {

struct Accum {
    double r = 0;
    double g = 0;
    double b = 0;
};

void setColour(Accum& c, Rgb v) {
    c = Accum{double(v.r), double(v.g), double(v.b)};
}

void mixColour(Accum& c, Rgb base, Rgb toward, double amount) {
    c.r = base.r + (double(toward.r) - base.r) * amount;
    c.g = base.g + (double(toward.g) - base.g) * amount;
    c.b = base.b + (double(toward.b) - base.b) * amount;
}

// Shades one sample of a layer; false when the sample is beyond the rim.
bool shade(const Layer& layer, int sx, int sy, Accum& out) {
    const ShapeField::Probe p = layer.field->probe(sx, sy);
    const Shading& s = layer.shading;
    if (p.distance <= 0.0) {
        if (-p.distance >= s.rimWidth) {
            return false;
        }
        setColour(out, s.rim);
        return true;
    }
    if (p.distance >= s.bevelWidth) {
        setColour(out, s.body);
        return true;
    }
    // A chamfer sloping down towards the outline: its brightness follows how
    // squarely the slope faces the light.
    const double facing = p.nx * s.lightX + p.ny * s.lightY;
    if (facing >= 0.0) {
        mixColour(out, s.body, s.light, facing);
    } else {
        mixColour(out, s.body, s.dark, -facing);
    }
    return true;
}

std::uint8_t toByte(double v) {
    const double r = std::floor(v + 0.5);
    return std::uint8_t(r < 0.0 ? 0.0 : (r > 255.0 ? 255.0 : r));
}

}  // namespace

Picture composite(int width, int height, const std::vector<Layer>& layers,
                  std::optional<Rgb> ground) {
    if (layers.empty()) {
        throw std::invalid_argument("nothing to composite");
    }
    const int scale = layers.front().field->samplesPerPixel();
    for (const Layer& layer : layers) {
        if (layer.field->samplesPerPixel() != scale ||
            layer.field->sampleWidth() != width * scale ||
            layer.field->sampleHeight() != height * scale) {
            throw std::invalid_argument("layers must share one sample grid");
        }
    }
    Picture picture(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            Accum sum;
            int covered = 0;
            for (int sy = y * scale; sy < (y + 1) * scale; ++sy) {
                for (int sx = x * scale; sx < (x + 1) * scale; ++sx) {
                    Accum c;
                    bool any = false;
                    if (ground) {
                        setColour(c, *ground);
                        any = true;
                    }
                    for (const Layer& layer : layers) {
                        any = shade(layer, sx, sy, c) || any;
                    }
                    if (any) {
                        sum.r += c.r;
                        sum.g += c.g;
                        sum.b += c.b;
                        ++covered;
                    }
                }
            }
            const bool opaque = 2 * covered >= scale * scale;
            picture.opaque[std::size_t(y) * width + x] = opaque ? 1 : 0;
            if (opaque) {
                picture.at(x, y) =
                    Rgb{toByte(sum.r / covered), toByte(sum.g / covered), toByte(sum.b / covered)};
            }
        }
    }
    return picture;
}

}  // namespace art
