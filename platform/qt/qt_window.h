// A dialog on the real toolkit: a top-level window with an optional menu bar
// above a client area that holds the controls at absolute positions.
#pragma once

#include <QDialog>
#include <QMenuBar>
#include <QWidget>
#include <map>
#include <vector>

#include "platform/backend.h"
#include "platform/dialog.h"
#include "platform/templates.h"

class QAction;

namespace platform::qt {

class QtDialogWindow;

// The client area below the menu bar; the dialog paints it.
class ClientArea : public QWidget {
public:
    ClientArea(QtDialogWindow& window, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QtDialogWindow& m_window;
};

// A button whose face its owner paints, and which reports clicks and
// double-clicks as commands.
class OwnerDrawButton : public QWidget {
public:
    OwnerDrawButton(QtDialogWindow& window, int id, QWidget* parent);
    int Id() const { return m_id; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QtDialogWindow& m_window;
    int m_id;
    bool m_pressed = false;
};

class QtDialogWindow : public QDialog, public NativeWindow {
public:
    QtDialogWindow(Dialog& dialog, const DialogTemplate& tmpl, QWidget* owner);
    ~QtDialogWindow() override;

    Dialog& Game() { return m_dialog; }
    ClientArea* Client() const { return m_client; }
    QMenuBar* MenuBar() const { return m_menuBar; }
    QWidget* Control(int id) const;
    // Sends a command to the dialog, as a control or the menu does.
    void SendCommand(int id, int code);

    // NativeWindow
    void EndDialog(int result) override;
    void SetWindowPos(int x, int y, int cx, int cy) override;
    void SetIcon(const Icon& icon, bool big) override;
    bool IsIconic() const override;
    Rect GetClientRect() const override;
    void InvalidateRect(bool erase) override;
    void PostClose() override;
    bool HasControl(int id) const override;
    void MoveWindow(int id, int x, int y, int cx, int cy, bool repaint) override;
    void ShowWindow(int id, int showCmd) override;
    void UpdateWindow(int id) override;
    void CheckRadioButton(int first, int last, int id) override;
    int GetCheckedRadioButton(int first, int last) const override;
    void SetTimer(std::uintptr_t id, unsigned elapseMs) override;
    void KillTimer(std::uintptr_t id) override;
    int GetMenuItemID(int position) const override;
    void ModifyMenu(int commandId, const std::u16string& text) override;
    void DrawMenuBar() override;

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void timerEvent(QTimerEvent* event) override;
    void reject() override;

private:
    void BuildMenu(const MenuTemplate& menu);
    void BuildControls(const DialogTemplate& tmpl);
    QRect DialogUnitsToPixels(int x, int y, int cx, int cy) const;

    Dialog& m_dialog;
    ClientArea* m_client = nullptr;
    QMenuBar* m_menuBar = nullptr;
    // Top-level menu items by position, with their command IDs (0: pop-up).
    std::vector<std::pair<QAction*, int>> m_menuItems;
    std::map<int, QWidget*> m_controls;
    std::map<std::uintptr_t, int> m_timers;  // our timer ID -> toolkit timer ID
    int m_baseX = 0;
    int m_baseY = 0;
    bool m_ending = false;
    bool m_hasDialogButtons = false;
    int m_defaultButton = 0;
};

}  // namespace platform::qt
