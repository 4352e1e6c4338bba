#include "platform/qt/qt_canvas.h"

#include "platform/app.h"
#include "platform/qt/qt_util.h"

namespace platform::qt {

void QtCanvas::FillRect(const Rect& rect, Brush brush) {
    m_painter.fillRect(ToQRect(rect), ToQColor(brush.color));
}

void QtCanvas::StretchBlt(int x, int y, int cx, int cy, const Bitmap& src, int sx, int sy, int scx,
                          int scy) {
    if (src.IsNull() || cx <= 0 || cy <= 0 || scx <= 0 || scy <= 0)
        return;
    // Only whole source rectangles inside the bitmap are copied.
    if (sx < 0 || sy < 0 || sx > src.Width() - scx || sy > src.Height() - scy)
        return;
    const bool smooth = m_painter.testRenderHint(QPainter::SmoothPixmapTransform);
    m_painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    m_painter.drawImage(QRect(x, y, cx, cy), ImageOf(src), QRect(sx, sy, scx, scy));
    m_painter.setRenderHint(QPainter::SmoothPixmapTransform, smooth);
}

void QtCanvas::DrawIcon(int x, int y, const Icon& icon) {
    const int cx = Backend::Current().GetSystemMetrics(SM_CXICON);
    const int cy = Backend::Current().GetSystemMetrics(SM_CYICON);
    m_painter.drawPixmap(x, y, IconOf(icon).pixmap(cx, cy));
}

}  // namespace platform::qt
