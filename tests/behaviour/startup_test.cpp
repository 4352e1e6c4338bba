// Start-up: the application object, the stored board size, the placement of
// the window and the order in which the main window initialises.
#include <climits>

#include "platform/app.h"
#include "tests/behaviour/fixture.h"

namespace {

using platform::headless::HeadlessBackend;

struct ClampCase {
    std::optional<int> stored;
    int size;
};

class SizeClampTest : public GameTest, public ::testing::WithParamInterface<ClampCase> {};

TEST_P(SizeClampTest, StoredSizeIsClampedForUseAndNeverWrittenBack) {
    const ClampCase& c = GetParam();
    CTavolkDlg& d = Open(c.stored);
    EXPECT_EQ(d.m_nSize, c.size);
    EXPECT_EQ(d.m_nTileSize, 480 / c.size);
    EXPECT_EQ(backend.LogLines("GetProfileInt Quenmore/Tavolk/Tavolk/size").size(), 1u);
    EXPECT_TRUE(backend.LogLines("WriteProfileInt").empty());
    EXPECT_EQ(backend.ProfileValue(kSizeKey), c.stored);
}

INSTANTIATE_TEST_SUITE_P(Values, SizeClampTest,
                         ::testing::Values(ClampCase{std::nullopt, 4}, ClampCase{INT_MIN, 4},
                                           ClampCase{-3, 4}, ClampCase{0, 4}, ClampCase{3, 4},
                                           ClampCase{4, 4}, ClampCase{5, 5}, ClampCase{6, 6},
                                           ClampCase{7, 6}, ClampCase{9, 6}, ClampCase{100, 6},
                                           ClampCase{INT_MAX, 6}),
                         [](const auto& info) {
                             const auto& v = info.param.stored;
                             if (!v)
                                 return std::string("Absent");
                             return (*v < 0 ? "Minus" : "Plus") +
                                    std::to_string(*v < 0 ? -static_cast<long long>(*v) : *v);
                         });

struct PlacementCase {
    int width, height, left, top;
};

class PlacementTest : public GameTest, public ::testing::WithParamInterface<PlacementCase> {};

TEST_P(PlacementTest, WindowSitsRightOfCentreAndCentredVertically) {
    const PlacementCase& p = GetParam();
    backend.SetScreenSize(p.width, p.height);
    Open(5);
    EXPECT_EQ(backend.LogLines("SetWindowPos"),
              std::vector<std::string>{"SetWindowPos " + std::to_string(p.left) + " " +
                                       std::to_string(p.top) + " 496 540"});
    EXPECT_EQ(window->GetClientRect(), (platform::Rect{0, 0, 480, 480}));
}

INSTANTIATE_TEST_SUITE_P(
    Screens, PlacementTest,
    ::testing::Values(PlacementCase{1024, 768, 294, 114}, PlacementCase{1366, 768, 465, 114},
                      PlacementCase{1920, 1080, 742, 270},
                      // A tiny screen puts the window partly off it.
                      PlacementCase{400, 500, -18, -20}, PlacementCase{435, 539, -1, -1}),
    [](const auto& info) {
        return std::to_string(info.param.width) + "x" + std::to_string(info.param.height);
    });

TEST_F(GameTest, InitialisationLoadsEverythingBeforeLayingOutTheBoard) {
    CTavolkDlg& d = Open(4);
    const auto& log = backend.LogLines();
    auto at = [&](const std::string& prefix) {
        for (std::size_t i = 0; i < log.size(); ++i)
            if (log[i].rfind(prefix, 0) == 0)
                return static_cast<long>(i);
        return -1L;
    };
    ASSERT_GE(at("SetIcon big 128"), 0);
    EXPECT_LT(at("SetIcon big 128"), at("SetIcon small 128"));
    EXPECT_LT(at("SetIcon small 128"), at("GetProfileInt"));
    EXPECT_LT(at("GetProfileInt"), at("SetWindowPos"));
    EXPECT_LT(at("SetWindowPos"), at("MoveWindow 1050"));
    EXPECT_EQ(d.m_strClock, u"     ");
    EXPECT_EQ(d.m_bRunning, 0);
    EXPECT_FALSE(d.m_bmpLetters.IsNull());
    EXPECT_FALSE(d.m_hIcon.IsNull());
    EXPECT_EQ(window->BigIcon(), d.m_hIcon);
    EXPECT_EQ(window->SmallIcon(), d.m_hIcon);
    EXPECT_EQ(d.OnQueryDragIcon(), d.m_hIcon);
    for (int k = 0; k < 4; ++k)
        EXPECT_EQ(d.m_strWords[k].size(), std::size_t(d.m_nWordChars[k]));
}

TEST_F(GameTest, ConstructionSetsTheFixedValues) {
    CTavolkDlg d;
    EXPECT_EQ(d.m_nSize, 0);
    EXPECT_EQ(d.m_nStripCellWidth, 68);
    EXPECT_EQ(d.m_nStripCellHeight, 68);
    EXPECT_EQ(d.m_rcParked, (platform::Rect{600, 600, 601, 601}));
    EXPECT_TRUE(d.m_strWords[0].empty());
    EXPECT_TRUE(d.m_strClock.empty());
    EXPECT_EQ(d.m_cells[3][3].nCtrlId, 0);
    EXPECT_EQ(d.m_strGreeting[0][3], u"FUN ");
    EXPECT_EQ(d.m_strGreeting[2][5], u"WORDS ");
}

TEST_F(GameTest, ApplicationRunsTheMainWindowAndEndsWithIt) {
    backend.SetProfileValue(kSizeKey, 5);
    CTavolkDlg* seen = nullptr;
    backend.QueueModalStep([&](platform::Dialog& d) {
        seen = dynamic_cast<CTavolkDlg*>(&d);
        EXPECT_EQ(app.m_pMainWnd, seen);
    });
    app.SetRegistryKey(u"");
    EXPECT_FALSE(app.InitInstance());

    ASSERT_NE(seen, nullptr);
    EXPECT_EQ(app.RegistryKey(), u"Quenmore");
    EXPECT_EQ(app.AppID(), u"Tavolk.AppID.1.0");
    EXPECT_EQ(app.m_pMainWnd, nullptr);
    // With nothing else to do, the window was closed by its close box.
    const auto& log = backend.LogLines();
    EXPECT_EQ(log.front(), "CreateDialog 102");
    EXPECT_NE(std::find(log.begin(), log.end(), "OnClose (user)"), log.end());
    EXPECT_NE(std::find(log.begin(), log.end(), "EndDialog 2"), log.end());
    EXPECT_EQ(log.back(), "DestroyDialog 102");
    EXPECT_TRUE(backend.LogLines("Abandoned").empty());
}

TEST(AppNameTest, IsTheExecutableFileNameWithoutItsExtension) {
    const std::pair<std::u16string, std::u16string> cases[] = {
        {u"/usr/local/bin/Tavolk", u"Tavolk"},
        {u"C:\\Games\\Tavolk.exe", u"Tavolk"},
        {u"/opt/x.y/Tavolk.exe", u"Tavolk"},
        {u"/opt/x.y/Tavolk", u"Tavolk"},
        {u"/tmp/Renamed.bin.exe", u"Renamed.bin"},
        {u"/tmp/.hidden", u".hidden"},
        {u"Tavolk", u"Tavolk"},
    };
    for (const auto& [path, name] : cases)
        EXPECT_EQ(platform::AppNameFromPath(path), name) << platform::headless::Narrow(path);
}

TEST(CounterTest, IncrementWrapsPastTheLargestValueWithoutOverflow) {
    const std::pair<int, int> cases[] = {{0, 1},
                                         {-1, 0},
                                         {41, 42},
                                         {INT_MAX - 1, INT_MAX},
                                         {INT_MAX, INT_MIN},
                                         {INT_MIN, INT_MIN + 1}};
    for (const auto& [before, after] : cases)
        EXPECT_EQ(platform::WrappingIncrement(before), after);
}

TEST_F(GameTest, CounterIncrementReadsDefaultZeroAndStoresTheSum) {
    EXPECT_EQ(app.IncrementProfileInt(u"Tavolk", u"solved"), 1);
    EXPECT_EQ(app.IncrementProfileInt(u"Tavolk", u"solved"), 2);
    backend.SetProfileValue(u"Quenmore/Tavolk/Tavolk/unsolved", INT_MAX);
    EXPECT_EQ(app.IncrementProfileInt(u"Tavolk", u"unsolved"), INT_MIN);
    EXPECT_EQ(app.GetProfileInt(u"Tavolk", u"unsolved", 0), INT_MIN);
}

TEST_F(GameTest, MessageBoxesCarryTheApplicationNameAndAnIcon) {
    Open();
    backend.ClearLog();
    backend.QueueAnswer(platform::IDYES);
    EXPECT_EQ(
        platform::AfxMessageBox(u"Quit this puzzle?", platform::MB_YESNO | platform::MB_ICONHAND),
        platform::IDYES);
    EXPECT_EQ(platform::AfxMessageBox(u"Done", platform::MB_OK), platform::IDOK);
    EXPECT_EQ(backend.LogLines("MessageBox"),
              (std::vector<std::string>{"MessageBox 0x14 \"Tavolk\" \"Quit this puzzle?\"",
                                        "MessageBox 0x30 \"Tavolk\" \"Done\""}));
}

}  // namespace
