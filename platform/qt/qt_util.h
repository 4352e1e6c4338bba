// Conversions between the game's values and the toolkit's.
#pragma once

#include <QColor>
#include <QIcon>
#include <QImage>
#include <QRect>
#include <QString>
#include <string>

#include "platform/resources.h"
#include "platform/types.h"

namespace platform::qt {

inline QString ToQString(const std::u16string& s) {
    return QString::fromUtf16(s.data(), static_cast<qsizetype>(s.size()));
}
inline std::u16string FromQString(const QString& s) {
    return s.toStdU16String();
}
inline QRect ToQRect(const Rect& r) {
    return QRect(r.left, r.top, r.Width(), r.Height());
}
inline QColor ToQColor(const Color& c) {
    return QColor(c.r, c.g, c.b);
}

// The bitmap's pixels as an image, converted once and kept with the bitmap.
const QImage& ImageOf(const Bitmap& bitmap);
// Every image of a multi-image icon.
QIcon IconOf(const Icon& icon);

}  // namespace platform::qt
