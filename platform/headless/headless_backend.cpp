#include "platform/headless/headless_backend.h"

#include <algorithm>
#include <cstdio>

namespace platform::headless {

namespace {

// Dialog units to pixels for the headless "font": 6 x 13 pixel characters.
constexpr int kBaseX = 6;
constexpr int kBaseY = 13;

std::string Str(const Rect& r) {
    return std::to_string(r.left) + " " + std::to_string(r.top) + " " + std::to_string(r.right) +
           " " + std::to_string(r.bottom);
}

// A canvas that writes what is drawn on it to the log.
class RecordingCanvas : public Canvas {
public:
    RecordingCanvas(HeadlessBackend& backend, int id)
        : m_backend(backend), m_prefix("Draw " + std::to_string(id) + " ") {}
    void FillRect(const Rect& rect, Brush brush) override {
        m_backend.Log(m_prefix + "FillRect " + Str(rect) + " rgb " + std::to_string(brush.color.r) +
                      " " + std::to_string(brush.color.g) + " " + std::to_string(brush.color.b));
    }
    void StretchBlt(int x, int y, int cx, int cy, const Bitmap& src, int sx, int sy, int scx,
                    int scy) override {
        m_backend.Log(m_prefix + "StretchBlt " + std::to_string(x) + " " + std::to_string(y) + " " +
                      std::to_string(cx) + " " + std::to_string(cy) + " from " +
                      (src.IsNull() ? "null " : "") + std::to_string(sx) + " " +
                      std::to_string(sy) + " " + std::to_string(scx) + " " + std::to_string(scy));
    }
    void DrawIcon(int x, int y, const Icon& icon) override {
        m_backend.Log(m_prefix + "DrawIcon " + std::to_string(x) + " " + std::to_string(y) +
                      " icon " + std::to_string(icon.Id()));
    }

private:
    HeadlessBackend& m_backend;
    std::string m_prefix;
};

}  // namespace

std::string Narrow(const std::u16string& s) {
    std::string out;
    out.reserve(s.size());
    for (char16_t c : s)
        out.push_back(c < 0x80 ? static_cast<char>(c) : '?');
    return out;
}

// --- HeadlessWindow ---

HeadlessWindow::HeadlessWindow(HeadlessBackend& backend, Dialog& dialog, const DialogTemplate& tmpl)
    : m_backend(backend), m_dialog(dialog) {
    for (const ControlTemplate& c : tmpl.controls) {
        if (c.id == -1)
            continue;
        m_controls[c.id] = ControlState{Rect{c.x * kBaseX / 4, c.y * kBaseY / 8,
                                             (c.x + c.cx) * kBaseX / 4, (c.y + c.cy) * kBaseY / 8},
                                        (c.style & WS_VISIBLE) != 0};
    }
    if (const MenuTemplate* menu = tmpl.menuId ? FindMenuTemplate(tmpl.menuId) : nullptr) {
        for (const MenuItemTemplate& item : menu->items)
            m_menu.emplace_back(item.text, item.popup.empty() ? item.id : -1);
    }
    m_clientRect = Rect{0, 0, tmpl.cx * kBaseX / 4, tmpl.cy * kBaseY / 8};
    m_windowRect = Rect{0, 0, m_clientRect.right + kFrameWidth, m_clientRect.bottom + kFrameHeight};
    dialog.Attach(this);
}

HeadlessWindow::~HeadlessWindow() {
    m_dialog.Attach(nullptr);
}

const ControlState* HeadlessWindow::Control(int id) const {
    const auto it = m_controls.find(id);
    return it == m_controls.end() ? nullptr : &it->second;
}

std::u16string HeadlessWindow::MenuText(int position) const {
    if (position < 0 || position >= static_cast<int>(m_menu.size()))
        return {};
    return m_menu[static_cast<std::size_t>(position)].first;
}

bool HeadlessWindow::DeliverPostedClose() {
    if (!m_closePosted)
        return false;
    m_closePosted = false;
    m_backend.Log("OnClose (posted)");
    m_dialog.OnClose();
    return true;
}

void HeadlessWindow::Paint(int id) {
    RecordingCanvas canvas(m_backend, id);
    if (id == 0) {
        m_dialog.OnPaint(canvas);
        return;
    }
    const ControlState* c = Control(id);
    if (!c || !c->visible)
        return;
    const Rect rc{0, 0, c->rect.Width(), c->rect.Height()};
    canvas.FillRect(rc, m_dialog.OnCtlColor(canvas, id, CtlColor::Button));
    DrawItemStruct item{id, &canvas, rc};
    m_dialog.OnDrawItem(id, item);
}

void HeadlessWindow::EndDialog(int result) {
    m_backend.Log("EndDialog " + std::to_string(result));
    m_ended = true;
    m_result = result;
}

void HeadlessWindow::SetWindowPos(int x, int y, int cx, int cy) {
    m_backend.Log("SetWindowPos " + std::to_string(x) + " " + std::to_string(y) + " " +
                  std::to_string(cx) + " " + std::to_string(cy));
    m_windowRect = Rect{x, y, x + cx, y + cy};
    m_clientRect = Rect{0, 0, std::max(0, cx - kFrameWidth), std::max(0, cy - kFrameHeight)};
    m_visible = true;
}

void HeadlessWindow::SetIcon(const Icon& icon, bool big) {
    m_backend.Log(std::string("SetIcon ") + (big ? "big " : "small ") + std::to_string(icon.Id()));
    (big ? m_bigIcon : m_smallIcon) = icon;
}

void HeadlessWindow::InvalidateRect(bool erase) {
    m_backend.Log(std::string("InvalidateRect erase=") + (erase ? "1" : "0"));
}

void HeadlessWindow::PostClose() {
    m_backend.Log("PostClose");
    m_closePosted = true;
}

void HeadlessWindow::MoveWindow(int id, int x, int y, int cx, int cy, bool repaint) {
    m_backend.Log("MoveWindow " + std::to_string(id) + " " + std::to_string(x) + " " +
                  std::to_string(y) + " " + std::to_string(cx) + " " + std::to_string(cy) +
                  " repaint=" + (repaint ? "1" : "0"));
    const auto it = m_controls.find(id);
    if (it != m_controls.end())
        it->second.rect = Rect{x, y, x + cx, y + cy};
}

void HeadlessWindow::ShowWindow(int id, int showCmd) {
    m_backend.Log("ShowWindow " + std::to_string(id) + " " + std::to_string(showCmd));
    const auto it = m_controls.find(id);
    if (it != m_controls.end())
        it->second.visible = showCmd != SW_HIDE;
}

void HeadlessWindow::UpdateWindow(int id) {
    m_backend.Log("UpdateWindow " + std::to_string(id));
    Paint(id);
}

void HeadlessWindow::CheckRadioButton(int first, int last, int id) {
    m_backend.Log("CheckRadioButton " + std::to_string(first) + " " + std::to_string(last) + " " +
                  std::to_string(id));
    for (int i = first; i <= last; ++i)
        m_checked[i] = i == id;
}

int HeadlessWindow::GetCheckedRadioButton(int first, int last) const {
    for (int i = first; i <= last; ++i) {
        const auto it = m_checked.find(i);
        if (it != m_checked.end() && it->second)
            return i;
    }
    return 0;
}

void HeadlessWindow::SetTimer(std::uintptr_t id, unsigned elapseMs) {
    m_backend.Log("SetTimer " + std::to_string(id) + " " + std::to_string(elapseMs));
    m_timers[id] = Timer{elapseMs, m_backend.GetTickCount64() + elapseMs};
}

void HeadlessWindow::KillTimer(std::uintptr_t id) {
    m_backend.Log("KillTimer " + std::to_string(id));
    m_timers.erase(id);
}

int HeadlessWindow::GetMenuItemID(int position) const {
    if (position < 0 || position >= static_cast<int>(m_menu.size()))
        return -1;
    return m_menu[static_cast<std::size_t>(position)].second;
}

void HeadlessWindow::ModifyMenu(int commandId, const std::u16string& text) {
    m_backend.Log("ModifyMenu " + std::to_string(commandId) + " \"" + Narrow(text) + "\"");
    for (auto& [itemText, id] : m_menu) {
        if (id == commandId) {
            itemText = text;
            return;
        }
    }
}

void HeadlessWindow::DrawMenuBar() {
    m_backend.Log("DrawMenuBar");
}

// --- HeadlessBackend ---

HeadlessBackend::HeadlessBackend() = default;

HeadlessBackend::~HeadlessBackend() {
    for (HeadlessWindow* w : m_windows)
        delete w;
}

HeadlessWindow* HeadlessBackend::Open(Dialog& dialog) {
    const DialogTemplate* tmpl = FindDialogTemplate(dialog.TemplateId());
    if (!tmpl) {
        Log("CreateDialog " + std::to_string(dialog.TemplateId()) + " failed");
        return nullptr;
    }
    Log("CreateDialog " + std::to_string(dialog.TemplateId()));
    auto* window = new HeadlessWindow(*this, dialog, *tmpl);
    m_windows.push_back(window);
    dialog.OnInitDialog();
    return window;
}

void HeadlessBackend::Close(Dialog& dialog) {
    HeadlessWindow* window = WindowOf(dialog);
    if (!window)
        return;
    Log("DestroyDialog " + std::to_string(dialog.TemplateId()));
    dialog.OnDestroy();
    m_windows.erase(std::find(m_windows.begin(), m_windows.end(), window));
    delete window;
}

HeadlessWindow* HeadlessBackend::WindowOf(Dialog& dialog) const {
    for (HeadlessWindow* w : m_windows) {
        if (&w->Game() == &dialog)
            return w;
    }
    return nullptr;
}

int HeadlessBackend::RunModal(Dialog& dialog, Dialog* /*owner*/) {
    HeadlessWindow* window = Open(dialog);
    if (!window)
        return -1;
    while (!window->Ended()) {
        if (window->DeliverPostedClose())
            continue;
        if (!m_steps.empty()) {
            auto step = std::move(m_steps.front());
            m_steps.pop_front();
            step(dialog);
            continue;
        }
        // Nothing left to do: the user closes the window; a dialog that
        // refuses is ended all the same, so a test cannot hang here.
        Log("OnClose (user)");
        dialog.OnClose();
        if (!window->Ended()) {
            Log("Abandoned");
            window->EndDialog(IDCANCEL);
        }
    }
    const int result = window->Result();
    Close(dialog);
    return result;
}

int HeadlessBackend::MessageBox(Dialog* /*owner*/, const std::u16string& text,
                                const std::u16string& caption, unsigned style) {
    char styleText[16];
    std::snprintf(styleText, sizeof styleText, "0x%X", style);
    Log(std::string("MessageBox ") + styleText + " \"" + Narrow(caption) + "\" \"" + Narrow(text) +
        "\"");
    const bool yesNo = (style & MB_TYPEMASK) == MB_YESNO;
    if (m_answers.empty())
        return yesNo ? IDNO : IDOK;
    auto [answer, whileOpen] = std::move(m_answers.front());
    m_answers.pop_front();
    if (whileOpen)
        whileOpen();
    return answer;
}

int HeadlessBackend::GetSystemMetrics(int index) const {
    switch (index) {
        case SM_CXSCREEN:
            return m_screenWidth;
        case SM_CYSCREEN:
            return m_screenHeight;
        case SM_CXICON:
        case SM_CYICON:
            return 32;
        default:
            return 0;
    }
}

void HeadlessBackend::WaitUntilTick(std::uint64_t tick) {
    if (tick <= m_tick)
        return;
    Log("Wait " + std::to_string(tick - m_tick));
    m_timeMs += static_cast<std::int64_t>(tick - m_tick);
    m_tick = tick;
}

void HeadlessBackend::AdvanceTime(std::uint64_t ms) {
    const std::uint64_t target = m_tick + ms;
    for (;;) {
        // The earliest timer that falls due by the target, across open windows.
        HeadlessWindow* window = nullptr;
        std::uintptr_t timerId = 0;
        std::uint64_t due = target + 1;
        for (HeadlessWindow* w : m_windows) {
            for (const auto& [id, timer] : w->m_timers) {
                if (timer.due < due) {
                    due = timer.due;
                    window = w;
                    timerId = id;
                }
            }
        }
        if (!window)
            break;
        m_timeMs += static_cast<std::int64_t>(due - m_tick);
        m_tick = due;
        auto& timer = window->m_timers[timerId];
        timer.due += std::max(1u, timer.period);
        window->Game().OnTimer(timerId);
    }
    m_timeMs += static_cast<std::int64_t>(target - m_tick);
    m_tick = target;
}

void HeadlessBackend::QueueModalStep(std::function<void(Dialog&)> step) {
    m_steps.push_back(std::move(step));
}

void HeadlessBackend::QueueAnswer(int answer, std::function<void()> whileOpen) {
    m_answers.emplace_back(answer, std::move(whileOpen));
}

std::u16string HeadlessBackend::Key(const std::u16string& org, const std::u16string& app,
                                    const std::u16string& section, const std::u16string& entry) {
    return org + u"/" + app + u"/" + section + u"/" + entry;
}

std::optional<int> HeadlessBackend::ProfileValue(const std::u16string& key) const {
    const auto it = m_profile.find(key);
    if (it == m_profile.end())
        return std::nullopt;
    return it->second;
}

int HeadlessBackend::GetProfileInt(const std::u16string& org, const std::u16string& app,
                                   const std::u16string& section, const std::u16string& entry,
                                   int defaultValue) {
    const std::u16string key = Key(org, app, section, entry);
    Log("GetProfileInt " + Narrow(key));
    return ProfileValue(key).value_or(defaultValue);
}

bool HeadlessBackend::WriteProfileInt(const std::u16string& org, const std::u16string& app,
                                      const std::u16string& section, const std::u16string& entry,
                                      int value) {
    const std::u16string key = Key(org, app, section, entry);
    Log("WriteProfileInt " + Narrow(key) + " " + std::to_string(value));
    if (m_profileWritesFail)
        return false;
    m_profile[key] = value;
    return true;
}

int HeadlessBackend::IncrementProfileInt(const std::u16string& org, const std::u16string& app,
                                         const std::u16string& section,
                                         const std::u16string& entry) {
    const std::u16string key = Key(org, app, section, entry);
    const int value = WrappingIncrement(ProfileValue(key).value_or(0));
    Log("IncrementProfileInt " + Narrow(key) + " " + std::to_string(value));
    if (!m_profileWritesFail)
        m_profile[key] = value;
    return value;
}

std::optional<Bytes> HeadlessBackend::FindResource(std::string_view type, int id) {
    const auto it = m_resources.find({std::string(type), id});
    if (it == m_resources.end())
        return Backend::FindResource(type, id);
    if (!it->second)
        return std::nullopt;
    return Bytes(it->second->data(), it->second->size());
}

void HeadlessBackend::RemoveResource(std::string_view type, int id) {
    m_resources[{std::string(type), id}] = std::nullopt;
}

void HeadlessBackend::ReplaceResource(std::string_view type, int id,
                                      std::vector<std::uint8_t> bytes) {
    m_resources[{std::string(type), id}] = std::move(bytes);
}

std::vector<std::string> HeadlessBackend::LogLines(const std::string& prefix) const {
    std::vector<std::string> out;
    for (const std::string& line : m_log) {
        if (line.rfind(prefix, 0) == 0)
            out.push_back(line);
    }
    return out;
}

}  // namespace platform::headless
