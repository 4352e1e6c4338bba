// A dialog window as the game sees it: created from a template, run modally,
// and driven through its handlers. Derived classes override the handlers they
// need; the operations forward to the backend's window.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "platform/backend.h"
#include "platform/canvas.h"
#include "platform/resources.h"
#include "platform/templates.h"
#include "platform/types.h"

namespace platform {

class Dialog {
public:
    explicit Dialog(int templateId, Dialog* parent = nullptr);
    virtual ~Dialog();
    Dialog(const Dialog&) = delete;
    Dialog& operator=(const Dialog&) = delete;

    int TemplateId() const { return m_templateId; }
    // Runs the dialog modally on the current backend; its result, or -1.
    int DoModal();

    // --- Handlers, called by the backend ---
    virtual bool OnInitDialog() { return true; }
    // Every command: low word the ID, high word the notification code.
    // The default serves IDOK and IDCANCEL, then the command table.
    virtual bool OnCommand(std::uint32_t wParam, std::intptr_t lParam);
    virtual void OnOK() { EndDialog(IDOK); }
    virtual void OnCancel() { EndDialog(IDCANCEL); }
    // A close request (close box, system menu, a posted close).
    virtual void OnClose() { OnCancel(); }
    virtual void OnTimer(std::uintptr_t /*id*/) {}
    virtual void OnDrawItem(int /*ctlId*/, DrawItemStruct& /*item*/) {}
    virtual Brush OnCtlColor(Canvas& /*dc*/, int /*ctlId*/, CtlColor /*kind*/) {
        return GetStockObject(WHITE_BRUSH);
    }
    // The default paints the client area with the dialog's colour brush.
    virtual void OnPaint(Canvas& dc);
    virtual void OnIconEraseBkgnd(Canvas& dc);
    virtual void OnSysCommand(unsigned /*id*/, std::intptr_t /*lParam*/) {}
    virtual Icon OnQueryDragIcon() { return {}; }
    virtual void OnDestroy() {}

    // --- Operations on the open window ---
    void EndDialog(int result);
    void SetWindowPos(int x, int y, int cx, int cy);
    void SetIcon(const Icon& icon, bool big);
    bool IsIconic() const;
    Rect GetClientRect() const;
    void InvalidateRect(bool erase);
    void PostClose();
    bool HasDlgItem(int id) const;
    void MoveWindow(int id, int x, int y, int cx, int cy, bool repaint);
    void ShowWindow(int id, int showCmd);
    void UpdateWindow(int id);
    void CheckRadioButton(int first, int last, int id);
    int GetCheckedRadioButton(int first, int last) const;
    void SetTimer(std::uintptr_t id, unsigned elapseMs);
    void KillTimer(std::uintptr_t id);
    int GetMenuItemID(int position) const;
    void ModifyMenu(int commandId, const std::u16string& text);
    void DrawMenuBar();

    // The backend attaches its window while the dialog runs.
    void Attach(NativeWindow* window) { m_window = window; }
    NativeWindow* Window() const { return m_window; }
    Dialog* Parent() const { return m_parent; }

protected:
    // The command table of a derived class: true when it served the command.
    virtual bool OnCmdMsg(int /*id*/) { return false; }

private:
    int m_templateId;
    Dialog* m_parent;
    NativeWindow* m_window = nullptr;
};

}  // namespace platform
