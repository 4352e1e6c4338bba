// What the main window draws: tile faces cut from the letter strip, black
// everywhere else, and the icon when minimised.
#include "tests/behaviour/fixture.h"

namespace {

using platform::CtlColor;

// Counts what is drawn on it.
struct CountingCanvas : platform::Canvas {
    int draws = 0;
    void FillRect(const platform::Rect&, platform::Brush) override { ++draws; }
    void StretchBlt(int, int, int, int, const platform::Bitmap&, int, int, int, int) override {
        ++draws;
    }
    void DrawIcon(int, int, const platform::Icon&) override { ++draws; }
};

class DrawingTest : public GameTest {
protected:
    // The drawing requests of one paint of a control.
    std::vector<std::string> PaintOf(int id) {
        backend.ClearLog();
        window->Paint(id);
        return backend.LogLines("Draw ");
    }
};

struct FaceCase {
    int size;
    int id;
    const char* blit;
};

class TileFaceTest : public DrawingTest, public ::testing::WithParamInterface<FaceCase> {};

TEST_P(TileFaceTest, TileShowsItsLetterCellScaledInsideAOnePixelRim) {
    const FaceCase& f = GetParam();
    Open(f.size);
    const int t = 480 / f.size;
    const std::string fill = "Draw " + std::to_string(f.id) + " FillRect 0 0 " + std::to_string(t) +
                             " " + std::to_string(t) + " rgb 0 0 0";
    EXPECT_EQ(PaintOf(f.id), (std::vector<std::string>{
                                 fill, "Draw " + std::to_string(f.id) + " StretchBlt " + f.blit}));
}

INSTANTIATE_TEST_SUITE_P(
    Letters, TileFaceTest,
    ::testing::Values(FaceCase{4, 1050, "1 1 118 118 from 748 0 68 68"},  // L
                      FaceCase{4, 1068, "1 1 118 118 from 340 0 68 68"},  // FUN: F
                      FaceCase{5, 1050, "1 1 94 94 from 1292 0 68 68"},   // T
                      FaceCase{5, 1077, "1 1 94 94 from 1632 0 68 68"},   // EASY: Y
                      FaceCase{6, 1062, "1 1 78 78 from 748 0 68 68"},    // LIKING: L
                      FaceCase{6, 1076, "1 1 78 78 from 1700 0 68 68"},   // PUZZLE: Z
                      FaceCase{6, 1084, "1 1 78 78 from 1224 0 68 68"}),  // WORDS: S
    [](const auto& info) {
        return "Size" + std::to_string(info.param.size) + "Tile" + std::to_string(info.param.id);
    });

TEST_F(DrawingTest, FacesFollowTheRecordsLetter) {
    CTavolkDlg& d = Open(4);
    d.m_cells[0][0].chLetter = u'A';
    d.m_cells[0][1].chLetter = u'Z';
    EXPECT_EQ(PaintOf(1050).back(), "Draw 1050 StretchBlt 1 1 118 118 from 0 0 68 68");
    EXPECT_EQ(PaintOf(1051).back(), "Draw 1051 StretchBlt 1 1 118 118 from 1700 0 68 68");
}

TEST_F(DrawingTest, NothingIsDrawnOutsideTheTileIds) {
    CTavolkDlg& d = Open(6);
    // Every record is searched, so even an ID a record holds is refused.
    d.m_cells[0][0].nCtrlId = 1049;
    for (int id : {0, 1049, 1085, 2000, -1}) {
        CountingCanvas canvas;
        platform::DrawItemStruct item{id, &canvas, {0, 0, 80, 80}};
        d.OnDrawItem(id, item);
        EXPECT_EQ(canvas.draws, 0) << id;
    }
    // The hidden button of the empty cell belongs to no record.
    Open(4);
    backend.ClearLog();
    window->Paint(1071);
    EXPECT_TRUE(backend.LogLines("Draw").empty());
}

TEST_F(DrawingTest, LetterOutsideTheAlphabetLeavesTheTileBlack) {
    CTavolkDlg& d = Open(4);
    for (std::uint32_t letter : {0u, u'@' + 0u, u'[' + 0u, u'a' + 0u, u' ' + 0u, 0x100u + 'A'}) {
        d.m_cells[1][1].chLetter = letter;
        const auto draws = PaintOf(1057);
        ASSERT_EQ(draws.size(), 1u) << letter;
        EXPECT_EQ(draws[0], "Draw 1057 FillRect 0 0 120 120 rgb 0 0 0");
    }
}

TEST_F(DrawingTest, MissingStripLeavesTilesBlackAndTheGameGoesOn) {
    backend.RemoveResource("BITMAP", 129);
    CTavolkDlg& d = Open(5);
    EXPECT_TRUE(d.m_bmpLetters.IsNull());
    EXPECT_EQ(PaintOf(1050).back(), "Draw 1050 StretchBlt 1 1 94 94 from null 1292 0 68 68");
    EXPECT_EQ(d.m_nSize, 5);
}

TEST_F(DrawingTest, DamagedStripIsTreatedAsMissing) {
    backend.ReplaceResource("BITMAP", 129, {'B', 'M', 1, 2, 3});
    CTavolkDlg& d = Open(4);
    EXPECT_TRUE(d.m_bmpLetters.IsNull());
}

TEST_F(DrawingTest, EveryColourRequestGetsTheBlackBrush) {
    CTavolkDlg& d = Open(4);
    for (CtlColor kind : {CtlColor::MsgBox, CtlColor::Edit, CtlColor::ListBox, CtlColor::Button,
                          CtlColor::Dialog, CtlColor::ScrollBar, CtlColor::Static}) {
        CountingCanvas canvas;
        EXPECT_EQ(d.OnCtlColor(canvas, 1050, kind),
                  platform::GetStockObject(platform::BLACK_BRUSH));
    }
    EXPECT_EQ(PaintOf(0), std::vector<std::string>{"Draw 0 FillRect 0 0 480 480 rgb 0 0 0"});
}

TEST_F(DrawingTest, MinimisedWindowShowsItsIconCentred) {
    Open(4);
    window->SetIconic(true);
    EXPECT_EQ(PaintOf(0), (std::vector<std::string>{"Draw 0 FillRect 0 0 480 480 rgb 0 0 0",
                                                    "Draw 0 DrawIcon 224 224 icon 128"}));
}

TEST_F(DrawingTest, DestroyingTheWindowReleasesTheStrip) {
    CTavolkDlg& d = Open(4);
    backend.Close(d);
    EXPECT_TRUE(d.m_bmpLetters.IsNull());
    dlg.reset();
}

}  // namespace
