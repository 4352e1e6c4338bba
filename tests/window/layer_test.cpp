// The window layer on the real toolkit, beyond the main window: modal
// dialogs from templates, tile notifications, timers, posted closes and
// message boxes whose loops keep the timers going.
#include <QAbstractButton>
#include <QApplication>
#include <QDialogButtonBox>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include "platform/app.h"
#include "tests/window/window_fixture.h"

namespace {

using namespace platform;

// Records what the layer delivers to a dialog.
class ProbeDialog : public Dialog {
public:
    explicit ProbeDialog(int templateId) : Dialog(templateId) {}
    bool OnInitDialog() override {
        if (TemplateId() == IDD_SIZE_DIALOG)
            CheckRadioButton(IDC_SIZE4, IDC_SIZE6, IDC_SIZE5);
        return true;
    }
    bool OnCommand(std::uint32_t wParam, std::intptr_t lParam) override {
        commands.push_back({LoWord(wParam), HiWord(wParam)});
        return Dialog::OnCommand(wParam, lParam);
    }
    void OnOK() override {
        checked = GetCheckedRadioButton(IDC_SIZE4, IDC_SIZE6);
        Dialog::OnOK();
    }
    void OnClose() override {
        ++closes;
        if (allowClose)
            Dialog::OnClose();
    }
    void OnTimer(std::uintptr_t id) override {
        ++ticks;
        lastTimer = id;
        if (onTick)
            onTick();
    }

    std::vector<std::pair<int, int>> commands;
    int checked = -1;
    int closes = 0;
    bool allowClose = true;
    int ticks = 0;
    std::uintptr_t lastTimer = 0;
    std::function<void()> onTick;
};

// The shown modal window, if any.
QWidget* ActiveModal() {
    if (QWidget* w = QApplication::activeModalWidget())
        return w;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && w->isModal())
            return w;
    return nullptr;
}

// Runs `action` on the modal window as soon as one is shown.
void WhenModalShown(std::function<void(QWidget*)> action) {
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, [poll, action] {
        if (QWidget* modal = ActiveModal()) {
            poll->stop();
            poll->deleteLater();
            action(modal);
        }
    });
    poll->start(1);
}

TEST_F(WindowTest, TemplateDialogRunsModallyAndEndsWithItsButton) {
    ProbeDialog dialog(IDD_SIZE_DIALOG);
    WhenModalShown([&](QWidget* modal) {
        EXPECT_EQ(modal->windowTitle(), "Tavolk Puzzle Size");
        auto radios = modal->findChildren<QRadioButton*>();
        ASSERT_EQ(radios.size(), 3);
        EXPECT_TRUE(radios[1]->isChecked());
        QTest::mouseClick(radios[2], Qt::LeftButton);
        for (QPushButton* b : modal->findChildren<QPushButton*>())
            if (b->text() == "OK")
                QTest::mouseClick(b, Qt::LeftButton);
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.checked, IDC_SIZE6);
    EXPECT_EQ(dialog.Window(), nullptr);
}

TEST_F(WindowTest, EscapeCancelsADialogWithButtons) {
    ProbeDialog dialog(IDD_SIZE_DIALOG);
    WhenModalShown([](QWidget* modal) { QTest::keyClick(modal, Qt::Key_Escape); });
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(dialog.commands, (std::vector<std::pair<int, int>>{{IDCANCEL, 0}}));
}

TEST_F(WindowTest, MissingTemplateFailsTheDialog) {
    ProbeDialog dialog(4242);
    EXPECT_EQ(dialog.DoModal(), -1);
}

TEST_F(WindowTest, TileButtonsReportClicksAndDoubleClicks) {
    ProbeDialog dialog(IDD_TAVOLK_DIALOG);
    auto* w = backend.Open(dialog);
    ASSERT_NE(w, nullptr);
    dialog.SetWindowPos(0, 0, 496, 540);
    dialog.MoveWindow(1057, 10, 10, 80, 80, true);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(w));
    QWidget* tile = w->Control(1057);
    // A double-click as the window system delivers it: press, release,
    // double-click press, release.
    QTest::mousePress(tile, Qt::LeftButton);
    QTest::mouseRelease(tile, Qt::LeftButton);
    QTest::mouseDClick(tile, Qt::LeftButton);
    QTest::mouseRelease(tile, Qt::LeftButton);
    // A press that leaves the button before release is no click.
    QTest::mousePress(tile, Qt::LeftButton);
    QTest::mouseRelease(tile, Qt::LeftButton, {}, QPoint(200, 200));
    const std::vector<std::pair<int, int>> expected = {
        {1057, BN_CLICKED}, {1057, BN_DOUBLECLICKED}, {1057, BN_CLICKED}};
    EXPECT_EQ(dialog.commands, expected);
    backend.Close(dialog);
}

TEST_F(WindowTest, TimersTickUntilKilledAndCloseRequestsArriveLater) {
    ProbeDialog dialog(IDD_TAVOLK_DIALOG);
    backend.Open(dialog);
    dialog.SetTimer(1, 5);
    EXPECT_TRUE(QTest::qWaitFor([&] { return dialog.ticks >= 3; }, 5000));
    EXPECT_EQ(dialog.lastTimer, 1u);
    dialog.KillTimer(1);
    const int ticks = dialog.ticks;
    QApplication::processEvents();

    dialog.allowClose = false;
    dialog.PostClose();
    EXPECT_EQ(dialog.closes, 0);  // not before the current handler returns
    EXPECT_TRUE(QTest::qWaitFor([&] { return dialog.closes == 1; }, 5000));
    EXPECT_EQ(dialog.ticks, ticks);
    backend.Close(dialog);
}

TEST_F(WindowTest, MessageBoxKeepsServingTimersAndReturnsTheAnswer) {
    ProbeDialog dialog(IDD_TAVOLK_DIALOG);
    backend.Open(dialog);
    app.m_pMainWnd = &dialog;
    QString title, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    dialog.SetTimer(1, 5);
    dialog.onTick = [&] {
        auto* box = qobject_cast<QMessageBox*>(ActiveModal());
        if (!box || dialog.ticks < 3)
            return;
        title = box->windowTitle();
        text = box->text();
        icon = box->icon();
        box->button(QMessageBox::Yes)->click();
    };
    EXPECT_EQ(AfxMessageBox(u"Quit this puzzle?", MB_YESNO | MB_ICONHAND), IDYES);
    EXPECT_GE(dialog.ticks, 3);
    EXPECT_EQ(title, appName);
    EXPECT_EQ(text, "Quit this puzzle?");
    EXPECT_EQ(icon, QMessageBox::Critical);

    // An OK box without an icon of its own shows the exclamation mark.
    dialog.onTick = [&] {
        if (auto* box = qobject_cast<QMessageBox*>(ActiveModal())) {
            icon = box->icon();
            text = box->text();
            box->button(QMessageBox::Ok)->click();
        }
    };
    EXPECT_EQ(AfxMessageBox(u"Line one\nLine two", MB_OK), IDOK);
    EXPECT_EQ(icon, QMessageBox::Warning);
    EXPECT_EQ(text, "Line one\nLine two");
    dialog.KillTimer(1);
    app.m_pMainWnd = nullptr;
    backend.Close(dialog);
}

}  // namespace
