#include "window/tavolk_dlg.h"

// The record whose tile stands at (row, col), or the record [0][0] when no
// tile does (the empty cell, or a position off the board).
TileSlot& CTavolkDlg::FindTile(int row, int col) {
    TileSlot* found = &m_cells[0][0];
    for (int r = 0; r < m_nSize && r < kTableSize; ++r) {
        for (int c = 0; c < m_nSize && c < kTableSize; ++c) {
            if (m_cells[r][c].nRow == row && m_cells[r][c].nCol == col) {
                found = &m_cells[r][c];
                break;
            }
        }
    }
    return *found;
}
