#include "window/tavolk_dlg.h"

using namespace platform;

namespace {
// Letter k of the alphabet starts at x = 68 * k in the strip.
constexpr int kStripCellStride = 68;
}  // namespace

void CTavolkDlg::OnDrawItem(int nIDCtl, DrawItemStruct& item) {
    if (nIDCtl < IDC_FIRST_TILE || nIDCtl > IDC_LAST_TILE || !item.dc)
        return;
    for (auto& row : m_cells) {
        for (const TileSlot& cell : row) {
            if (cell.nCtrlId != nIDCtl)
                continue;
            // Only A to Z have images; anything else would read outside the
            // strip, so the tile keeps its black background.
            if (cell.chLetter >= u'A' && cell.chLetter <= u'Z') {
                const int t = m_nTileSize;
                const int sx = static_cast<int>(cell.chLetter - u'A') * kStripCellStride;
                item.dc->StretchBlt(1, 1, t - 2, t - 2, m_bmpLetters, sx, 0, m_nStripCellWidth,
                                    m_nStripCellHeight);
            }
            break;
        }
    }
}

Brush CTavolkDlg::OnCtlColor(Canvas& /*dc*/, int /*ctlId*/, CtlColor /*kind*/) {
    return GetStockObject(BLACK_BRUSH);
}
