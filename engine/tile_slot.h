// One record of the board's 6 x 6 cell table.
#pragma once

#include <cstdint>

#include "platform/types.h"

struct TileSlot {
    std::int32_t nCtrlId = 0;    // the tile button bound to this record; 0 for none
    std::uint32_t chLetter = 0;  // one UTF-16 code unit, "A" to "Z"; 0 for none
    std::int32_t nRow = 0;       // where the tile stands now
    std::int32_t nCol = 0;
    std::int32_t nHomeRow = 0;  // where it stands on a solved board
    std::int32_t nHomeCol = 0;
    std::int32_t nShowCmd = 0;  // how the last reset showed the button
    platform::Rect rcCell;      // where the last reset placed the button
    platform::Rect rcHome;
    std::int32_t bRepaint = 0;  // whether the last reset's move repainted it
};
