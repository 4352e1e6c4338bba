// A canvas over a painter on a widget.
#pragma once

#include <QPainter>

#include "platform/canvas.h"

namespace platform::qt {

class QtCanvas : public Canvas {
public:
    explicit QtCanvas(QPainter& painter) : m_painter(painter) {}
    void FillRect(const Rect& rect, Brush brush) override;
    void StretchBlt(int x, int y, int cx, int cy, const Bitmap& src, int sx, int sy, int scx,
                    int scy) override;
    void DrawIcon(int x, int y, const Icon& icon) override;

private:
    QPainter& m_painter;
};

}  // namespace platform::qt
