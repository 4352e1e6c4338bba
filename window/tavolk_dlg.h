// The main window: the board, its tiles and everything the game keeps.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "engine/tile_slot.h"
#include "platform/dialog.h"
#include "platform/resources.h"
#include "resources/resource_ids.h"

class CTavolkDlg : public platform::Dialog {
public:
    explicit CTavolkDlg(platform::Dialog* parent = nullptr);
    ~CTavolkDlg() override;

    // Sizes of the board and its tiles.
    static constexpr int kMinSize = 4;
    static constexpr int kMaxSize = 6;
    static constexpr int kTableSize = 6;
    static constexpr int kBoardPixels = 480;
    // Placement of the window: outer size, and its offsets from the screen's centre.
    static constexpr int kWindowWidth = 496;
    static constexpr int kWindowHeight = 540;
    static constexpr int kWindowLeftOffset = 218;
    static constexpr int kWindowTopOffset = 270;
    static constexpr int kWordLists = 4;
    static constexpr int kShortestWord = 3;

    // --- Board model ---
    TileSlot& FindTile(int row, int col);
    void ResetBoard();

    // --- Word lists ---
    std::u16string LoadWordList(int index) const;
    std::u16string WordAt(int index, int i) const;
    bool IsWord(std::u16string_view text) const;

    // --- Handlers ---
    bool OnInitDialog() override;
    void OnPaint(platform::Canvas& dc) override;
    platform::Icon OnQueryDragIcon() override;
    void OnDestroy() override;
    void OnDrawItem(int nIDCtl, platform::DrawItemStruct& item) override;
    platform::Brush OnCtlColor(platform::Canvas& dc, int ctlId, platform::CtlColor kind) override;

    // --- State, in declaration order ---
    platform::Icon m_hIcon;
    TileSlot m_cells[kTableSize][kTableSize]{};
    std::int32_t m_nSize = 0;
    std::int32_t m_nSizeIndex = 0;
    std::int32_t m_bRunning = 0;
    platform::Bitmap m_bmpLetters;
    std::int32_t m_nWordCount[kWordLists] = {647, 2557, 5147, 8332};
    std::int32_t m_nWordChars[kWordLists] = {1941, 10228, 25735, 49992};
    std::u16string m_strWords[kWordLists];
    std::u16string m_strSolution[kTableSize];
    std::u16string m_strGreeting[3][kTableSize] = {
        {u"LETS", u"HAVE", u"SOME", u"FUN ", u" ", u" "},
        {u"THESE", u"WORDS", u"MAYBE", u"BEING", u"EASY ", u" "},
        {u"CRAFTY", u"PEOPLE", u"LIKING", u"TAVOLK", u"PUZZLE", u"WORDS "},
    };
    std::int32_t m_nEmptyRow = 0;
    std::int32_t m_nEmptyCol = 0;
    std::int32_t m_nTileSize = 0;
    std::int32_t m_nStripCellWidth = 68;
    std::int32_t m_nStripCellHeight = 68;
    platform::Rect m_rcParked{600, 600, 601, 601};
    std::int64_t m_tStart = 0;
    std::u16string m_strClock;
};
