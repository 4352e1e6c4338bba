#include "platform/qt/qt_util.h"

#include <QPixmap>

namespace platform::qt {

const QImage& ImageOf(const Bitmap& bitmap) {
    static const QImage kNull;
    if (bitmap.IsNull())
        return kNull;
    auto& cache = bitmap.NativeCache();
    if (!cache) {
        const QImage view(bitmap.Pixels(), bitmap.Width(), bitmap.Height(), bitmap.Width() * 3,
                          QImage::Format_RGB888);
        cache = std::make_shared<QImage>(view.copy());
    }
    return *static_cast<const QImage*>(cache.get());
}

// Decoded by the layer itself: the toolkit's reader ignores the masks of
// 24-bit pictures, which would give the icon black corners.
QIcon IconOf(const Icon& icon) {
    QIcon result;
    for (const IconImage& picture : DecodeIcon(icon.Data())) {
        const QImage view(picture.rgba.data(), picture.width, picture.height, picture.width * 4,
                          QImage::Format_RGBA8888);
        result.addPixmap(QPixmap::fromImage(view.copy()));
    }
    return result;
}

}  // namespace platform::qt
