// The headless backend that behaviour tests stand on: virtual time, timers,
// scripted boxes and the modal loop.
#include <gtest/gtest.h>

#include "platform/app.h"
#include "platform/headless/headless_backend.h"
#include "resources/resource_ids.h"

namespace {

using namespace platform;
using headless::HeadlessBackend;

class Ticking : public Dialog {
public:
    Ticking() : Dialog(IDD_TAVOLK_DIALOG) {}
    void OnTimer(std::uintptr_t id) override { ticks.push_back({id, GetTickCount64()}); }
    void OnClose() override {
        ++closes;
        if (closes > refusals)
            Dialog::OnClose();
    }
    std::vector<std::pair<std::uintptr_t, std::uint64_t>> ticks;
    int closes = 0;
    int refusals = 0;
};

class HeadlessTest : public ::testing::Test {
protected:
    HeadlessTest() { Backend::SetCurrent(&backend); }
    ~HeadlessTest() override { Backend::SetCurrent(nullptr); }
    HeadlessBackend backend;
};

TEST_F(HeadlessTest, TimersFallDueInVirtualTimeUntilKilled) {
    Ticking d;
    backend.Open(d);
    const std::uint64_t t0 = GetTickCount64();
    const std::int64_t s0 = Time();
    d.SetTimer(1, 1000);
    backend.AdvanceTime(999);
    EXPECT_TRUE(d.ticks.empty());
    backend.AdvanceTime(2001);
    ASSERT_EQ(d.ticks.size(), 3u);
    EXPECT_EQ(d.ticks[0].second, t0 + 1000);
    EXPECT_EQ(d.ticks[2].second, t0 + 3000);
    EXPECT_EQ(Time(), s0 + 3);
    d.KillTimer(1);
    backend.AdvanceTime(5000);
    EXPECT_EQ(d.ticks.size(), 3u);
    backend.Close(d);
}

TEST_F(HeadlessTest, WaitingMovesTheClocksButServesNoTimer) {
    Ticking d;
    backend.Open(d);
    d.SetTimer(1, 10);
    const std::uint64_t t0 = GetTickCount64();
    WaitUntilTick(t0 + 30);
    WaitUntilTick(t0 + 20);  // already past: no wait
    EXPECT_EQ(GetTickCount64(), t0 + 30);
    EXPECT_TRUE(d.ticks.empty());
    EXPECT_EQ(backend.LogLines("Wait"), std::vector<std::string>{"Wait 30"});
    backend.Close(d);
}

TEST_F(HeadlessTest, MessageBoxAnswersFromTheScriptWhileTimersRun) {
    Ticking d;
    backend.Open(d);
    d.SetTimer(1, 1000);
    backend.QueueAnswer(IDYES, [&] { backend.AdvanceTime(2500); });
    EXPECT_EQ(backend.MessageBox(&d, u"Quit this puzzle?", u"Tavolk", MB_YESNO | MB_ICONHAND),
              IDYES);
    EXPECT_EQ(d.ticks.size(), 2u);
    // Unscripted boxes are closed: No for a question, OK otherwise.
    EXPECT_EQ(backend.MessageBox(&d, u"?", u"Tavolk", MB_YESNO), IDNO);
    EXPECT_EQ(backend.MessageBox(&d, u"!", u"Tavolk", MB_OK), IDOK);
    backend.Close(d);
}

TEST_F(HeadlessTest, ModalLoopRunsStepsThenPostedClosesThenTheUsersClose) {
    Ticking d;
    d.refusals = 1;
    backend.QueueModalStep([](Dialog& dlg) { dlg.PostClose(); });
    EXPECT_EQ(d.DoModal(), IDCANCEL);
    EXPECT_EQ(d.closes, 2);  // the posted close was refused, the user's accepted
    const auto log = backend.LogLines("OnClose");
    EXPECT_EQ(log, (std::vector<std::string>{"OnClose (posted)", "OnClose (user)"}));
    EXPECT_EQ(d.Window(), nullptr);
}

TEST_F(HeadlessTest, DialogThatNeverClosesIsEndedAllTheSame) {
    Ticking d;
    d.refusals = 100;
    EXPECT_EQ(d.DoModal(), IDCANCEL);
    EXPECT_EQ(backend.LogLines("Abandoned").size(), 1u);
}

TEST_F(HeadlessTest, OperationsOnAClosedDialogDoNothing) {
    Ticking d;
    d.MoveWindow(1050, 0, 0, 1, 1, true);
    d.SetTimer(1, 10);
    EXPECT_EQ(d.GetMenuItemID(0), -1);
    EXPECT_FALSE(d.IsIconic());
    EXPECT_EQ(d.GetClientRect(), Rect{});
    EXPECT_TRUE(backend.LogLines().empty());
}

}  // namespace
