#include "platform/dialog.h"

namespace platform {

Dialog::Dialog(int templateId, Dialog* parent) : m_templateId(templateId), m_parent(parent) {}

Dialog::~Dialog() = default;

int Dialog::DoModal() {
    return Backend::Current().RunModal(*this, m_parent);
}

bool Dialog::OnCommand(std::uint32_t wParam, std::intptr_t /*lParam*/) {
    const int id = LoWord(wParam);
    if (id == IDOK) {
        OnOK();
        return true;
    }
    if (id == IDCANCEL) {
        OnCancel();
        return true;
    }
    return OnCmdMsg(id);
}

void Dialog::OnPaint(Canvas& dc) {
    dc.FillRect(GetClientRect(), OnCtlColor(dc, 0, CtlColor::Dialog));
}

void Dialog::OnIconEraseBkgnd(Canvas& dc) {
    dc.FillRect(GetClientRect(), OnCtlColor(dc, 0, CtlColor::Dialog));
}

// Operations on a dialog that is not open do nothing, as on a window that
// no longer exists.
void Dialog::EndDialog(int result) {
    if (m_window)
        m_window->EndDialog(result);
}
void Dialog::SetWindowPos(int x, int y, int cx, int cy) {
    if (m_window)
        m_window->SetWindowPos(x, y, cx, cy);
}
void Dialog::SetIcon(const Icon& icon, bool big) {
    if (m_window)
        m_window->SetIcon(icon, big);
}
bool Dialog::IsIconic() const {
    return m_window && m_window->IsIconic();
}
Rect Dialog::GetClientRect() const {
    return m_window ? m_window->GetClientRect() : Rect{};
}
void Dialog::InvalidateRect(bool erase) {
    if (m_window)
        m_window->InvalidateRect(erase);
}
void Dialog::PostClose() {
    if (m_window)
        m_window->PostClose();
}
bool Dialog::HasDlgItem(int id) const {
    return m_window && m_window->HasControl(id);
}
void Dialog::MoveWindow(int id, int x, int y, int cx, int cy, bool repaint) {
    if (m_window)
        m_window->MoveWindow(id, x, y, cx, cy, repaint);
}
void Dialog::ShowWindow(int id, int showCmd) {
    if (m_window)
        m_window->ShowWindow(id, showCmd);
}
void Dialog::UpdateWindow(int id) {
    if (m_window)
        m_window->UpdateWindow(id);
}
void Dialog::CheckRadioButton(int first, int last, int id) {
    if (m_window)
        m_window->CheckRadioButton(first, last, id);
}
int Dialog::GetCheckedRadioButton(int first, int last) const {
    return m_window ? m_window->GetCheckedRadioButton(first, last) : 0;
}
void Dialog::SetTimer(std::uintptr_t id, unsigned elapseMs) {
    if (m_window)
        m_window->SetTimer(id, elapseMs);
}
void Dialog::KillTimer(std::uintptr_t id) {
    if (m_window)
        m_window->KillTimer(id);
}
int Dialog::GetMenuItemID(int position) const {
    return m_window ? m_window->GetMenuItemID(position) : -1;
}
void Dialog::ModifyMenu(int commandId, const std::u16string& text) {
    if (m_window)
        m_window->ModifyMenu(commandId, text);
}
void Dialog::DrawMenuBar() {
    if (m_window)
        m_window->DrawMenuBar();
}

}  // namespace platform
