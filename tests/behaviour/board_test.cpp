// The board model: the greeting each size lays out, the buttons it places,
// and the lookup of a tile by its position.
#include "tests/behaviour/fixture.h"

using platform::Rect;

namespace {

struct GreetingCase {
    int size;
    int tile;
    const char* board;  // rows as the tiles read them, '.' for the empty cell
    int shown;
};

class GreetingTest : public GameTest, public ::testing::WithParamInterface<GreetingCase> {};

TEST_P(GreetingTest, LaysOutTheGreetingOfTheStoredSize) {
    const GreetingCase& g = GetParam();
    CTavolkDlg& d = Open(g.size);
    const int n = g.size;

    EXPECT_EQ(d.m_nSize, n);
    EXPECT_EQ(d.m_nSizeIndex, n - 4);
    EXPECT_EQ(d.m_nTileSize, g.tile);
    EXPECT_EQ(d.m_bRunning, 0);
    EXPECT_EQ(d.m_nEmptyRow, n - 1);
    EXPECT_EQ(d.m_nEmptyCol, n - 1);
    EXPECT_EQ(BoardText(), g.board);
    for (int i = 0; i < n; ++i)
        EXPECT_EQ(d.m_strSolution[i], d.m_strGreeting[n - 4][i]);

    int shown = 0;
    for (int i = 0; i < 6; ++i) {
        for (int j = 0; j < 6; ++j) {
            SCOPED_TRACE("record [" + std::to_string(i) + "][" + std::to_string(j) + "]");
            const TileSlot& cell = d.m_cells[i][j];
            const bool onBoard = i < n && j < n;
            const bool empty = i == n - 1 && j == n - 1;
            if (i == 5 && j == 5 && n == 6) {
                // No button, and keys pushed off the board by one tile.
                EXPECT_EQ(cell.nCtrlId, 0);
                EXPECT_EQ(cell.nRow, g.tile);
                EXPECT_EQ(cell.nCol, g.tile);
                EXPECT_EQ(cell.nHomeRow, 0);
                EXPECT_EQ(cell.rcCell, Rect{});
                continue;
            }
            if (i == 5 && j == 5) {
                // Untouched at sizes 4 and 5.
                EXPECT_EQ(cell.nCtrlId, 0);
                EXPECT_EQ(cell.nRow, 0);
                continue;
            }
            const int id = 1050 + 6 * i + j;
            EXPECT_EQ(cell.nHomeRow, i);
            EXPECT_EQ(cell.nHomeCol, j);
            const platform::headless::ControlState* button = window->Control(id);
            ASSERT_NE(button, nullptr);
            if (empty) {
                EXPECT_EQ(cell.nCtrlId, 0);
                EXPECT_EQ(cell.nRow, n - 1 + g.tile);
                EXPECT_EQ(cell.nCol, n - 1 + g.tile);
                EXPECT_EQ(cell.chLetter, 0u);
                EXPECT_FALSE(button->visible);
                EXPECT_EQ(button->rect, (Rect{600, 600, 601, 601}));
            } else if (onBoard) {
                const Rect r{j * g.tile, i * g.tile, (j + 1) * g.tile, (i + 1) * g.tile};
                EXPECT_EQ(cell.nCtrlId, id);
                EXPECT_EQ(cell.nRow, i);
                EXPECT_EQ(cell.nCol, j);
                EXPECT_EQ(cell.chLetter, d.m_strGreeting[n - 4][i][j]);
                EXPECT_EQ(cell.nShowCmd, 1);
                EXPECT_EQ(cell.bRepaint, 1);
                EXPECT_EQ(cell.rcCell, r);
                EXPECT_EQ(cell.rcHome, r);
                EXPECT_TRUE(button->visible);
                EXPECT_EQ(button->rect, r);
                ++shown;
            } else {
                EXPECT_EQ(cell.nCtrlId, id);
                EXPECT_EQ(cell.chLetter, 0u);
                EXPECT_EQ(cell.nShowCmd, 0);
                EXPECT_EQ(cell.rcCell, (Rect{600, 600, 601, 601}));
                EXPECT_FALSE(button->visible);
                EXPECT_EQ(button->rect, (Rect{600, 600, 601, 601}));
            }
        }
    }
    EXPECT_EQ(shown, g.shown);
}

INSTANTIATE_TEST_SUITE_P(
    Sizes, GreetingTest,
    ::testing::Values(GreetingCase{4, 120, "LETS/HAVE/SOME/FUN./", 15},
                      GreetingCase{5, 96, "THESE/WORDS/MAYBE/BEING/EASY./", 24},
                      GreetingCase{6, 80, "CRAFTY/PEOPLE/LIKING/TAVOLK/PUZZLE/WORDS./", 35}),
    [](const auto& info) { return "Size" + std::to_string(info.param.size); });

TEST_F(GameTest, ResetParksEveryButtonThenPlacesTheBoardThenInvalidates) {
    CTavolkDlg& d = Open(4);
    backend.ClearLog();
    d.ResetBoard();

    std::vector<std::string> calls;
    for (const std::string& line : backend.LogLines()) {
        if (line.rfind("Draw ", 0) != 0)
            calls.push_back(line);
    }
    // 35 parked buttons (move, hide, update), 15 placed (move, show, update), one invalidation.
    ASSERT_EQ(calls.size(), 35u * 3 + 15u * 3 + 1);
    EXPECT_EQ(calls[0], "MoveWindow 1050 600 600 1 1 repaint=0");
    EXPECT_EQ(calls[1], "ShowWindow 1050 0");
    EXPECT_EQ(calls[2], "UpdateWindow 1050");
    EXPECT_EQ(calls[34 * 3], "MoveWindow 1084 600 600 1 1 repaint=0");
    EXPECT_EQ(calls[35 * 3], "MoveWindow 1050 0 0 120 120 repaint=1");
    EXPECT_EQ(calls[35 * 3 + 1], "ShowWindow 1050 1");
    EXPECT_EQ(calls[35 * 3 + 2], "UpdateWindow 1050");
    // The last placed tile is (3, 2); the empty cell's button 1071 is never shown.
    EXPECT_EQ(calls[49 * 3], "MoveWindow 1070 240 360 120 120 repaint=1");
    EXPECT_EQ(calls.back(), "InvalidateRect erase=1");
    EXPECT_TRUE(backend.LogLines("ShowWindow 1071 1").empty());
}

TEST_F(GameTest, EmptyCellRecordOfTheLargestBoardMovesFurtherOffAtEveryReset) {
    CTavolkDlg& d = Open(6);
    EXPECT_EQ(d.m_cells[5][5].nRow, 80);
    d.ResetBoard();
    EXPECT_EQ(d.m_cells[5][5].nRow, 160);
    EXPECT_EQ(d.m_cells[5][5].nCol, 160);
    EXPECT_EQ(&d.FindTile(5, 5), &d.m_cells[0][0]);
}

TEST_F(GameTest, FindTileFallsBackToTheTopLeftRecord) {
    CTavolkDlg& d = Open(5);
    TileSlot* const topLeft = &d.m_cells[0][0];
    const std::pair<int, int> misses[] = {{4, 4}, {-1, 0}, {0, -1},    {5, 0},
                                          {0, 5}, {6, 6},  {-96, -96}, {1 << 30, 0}};
    for (const auto& [r, c] : misses)
        EXPECT_EQ(&d.FindTile(r, c), topLeft) << r << "," << c;
    EXPECT_EQ(&d.FindTile(2, 3), &d.m_cells[2][3]);
    EXPECT_EQ(&d.FindTile(4, 3), &d.m_cells[4][3]);
}

TEST_F(GameTest, FindTileSearchesOnlyTheBoard) {
    CTavolkDlg& d = Open(4);
    // Off-board records keep keys like (4, 1) and (1, 5): none is ever found.
    for (int i = 0; i < 6; ++i) {
        for (int j = 0; j < 6; ++j) {
            if (i < 4 && j < 4)
                continue;
            EXPECT_EQ(&d.FindTile(i, j), &d.m_cells[0][0]) << i << "," << j;
        }
    }
}

TEST_F(GameTest, FindTileFindsATileMovedIntoTheCorner) {
    CTavolkDlg& d = Open(4);
    // Slide (3, 2) into the corner by hand.
    d.m_cells[3][2].nCol = 3;
    d.m_nEmptyCol = 2;
    EXPECT_EQ(&d.FindTile(3, 3), &d.m_cells[3][2]);
    EXPECT_EQ(&d.FindTile(3, 2), &d.m_cells[0][0]);
}

TEST_F(GameTest, ResetRestoresTheGreetingOverAnythingOnTheBoard) {
    CTavolkDlg& d = Open(4);
    d.m_strSolution[0] = u"NOTE";
    d.m_cells[0][0].chLetter = u'Q';
    std::swap(d.m_cells[1][1].nRow, d.m_cells[2][2].nRow);
    d.m_nEmptyRow = 0;
    d.ResetBoard();
    EXPECT_EQ(BoardText(), "LETS/HAVE/SOME/FUN./");
    EXPECT_EQ(d.m_strSolution[0], u"LETS");
}

TEST_F(GameTest, SmallerBoardKeepsTheRowsItDoesNotUse) {
    CTavolkDlg& d = Open(6);
    d.m_nSize = 4;
    d.m_nSizeIndex = 0;
    d.m_nTileSize = 120;
    d.ResetBoard();
    EXPECT_EQ(BoardText(), "LETS/HAVE/SOME/FUN./");
    EXPECT_EQ(d.m_strSolution[4], u"PUZZLE");
    EXPECT_EQ(d.m_strSolution[5], u"WORDS ");
    // The greeting's trailing space never becomes a tile.
    for (int r = 0; r < 6; ++r)
        for (int c = 0; c < 6; ++c)
            EXPECT_NE(d.m_cells[r][c].chLetter, u' ');
    for (int id = 1050; id <= 1084; ++id) {
        const int r = (id - 1050) / 6, c = (id - 1050) % 6;
        EXPECT_EQ(window->Control(id)->visible, r < 4 && c < 4 && !(r == 3 && c == 3)) << id;
    }
}

}  // namespace
