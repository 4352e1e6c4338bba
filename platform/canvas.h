// What a paint handler draws on: a window's or a control's client area.
#pragma once

#include "platform/resources.h"
#include "platform/types.h"

namespace platform {

class Canvas {
public:
    virtual ~Canvas() = default;
    virtual void FillRect(const Rect& rect, Brush brush) = 0;
    // Copies the source rectangle of the bitmap onto the destination rectangle,
    // scaling each axis by pixel replication (no smoothing). Nothing is drawn
    // from a null bitmap; source pixels outside the bitmap are not drawn.
    virtual void StretchBlt(int x, int y, int cx, int cy, const Bitmap& src, int sx, int sy,
                            int scx, int scy) = 0;
    virtual void DrawIcon(int x, int y, const Icon& icon) = 0;
};

// What the owner of an owner-drawn control gets when the control needs its face.
struct DrawItemStruct {
    int ctlId = 0;
    Canvas* dc = nullptr;
    Rect rcItem;
};

}  // namespace platform
