// A backend without a display, for tests: windows are plain records, time is
// virtual, message boxes are answered from a script, and every request the
// game makes is written to a log that tests read.
#pragma once

#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/backend.h"
#include "platform/canvas.h"
#include "platform/dialog.h"

namespace platform::headless {

class HeadlessBackend;

struct ControlState {
    Rect rect;
    bool visible = false;
};

class HeadlessWindow : public NativeWindow {
public:
    HeadlessWindow(HeadlessBackend& backend, Dialog& dialog, const DialogTemplate& tmpl);
    ~HeadlessWindow() override;

    Dialog& Game() { return m_dialog; }
    bool Ended() const { return m_ended; }
    int Result() const { return m_result; }
    bool ClosePosted() const { return m_closePosted; }
    // Delivers a posted close request, as the modal loop would.
    bool DeliverPostedClose();
    const ControlState* Control(int id) const;
    Rect WindowRect() const { return m_windowRect; }
    bool Visible() const { return m_visible; }
    void SetIconic(bool iconic) { m_iconic = iconic; }
    Icon BigIcon() const { return m_bigIcon; }
    Icon SmallIcon() const { return m_smallIcon; }
    std::u16string MenuText(int position) const;
    bool HasTimer(std::uintptr_t id) const { return m_timers.count(id) != 0; }
    // Paints one control, or the client area (id 0), through the dialog's
    // handlers onto a recording canvas; the drawing goes to the log.
    void Paint(int id);

    // NativeWindow
    void EndDialog(int result) override;
    void SetWindowPos(int x, int y, int cx, int cy) override;
    void SetIcon(const Icon& icon, bool big) override;
    bool IsIconic() const override { return m_iconic; }
    Rect GetClientRect() const override { return m_clientRect; }
    void InvalidateRect(bool erase) override;
    void PostClose() override;
    bool HasControl(int id) const override { return Control(id) != nullptr; }
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

private:
    friend class HeadlessBackend;
    struct Timer {
        unsigned period = 0;
        std::uint64_t due = 0;
    };

    HeadlessBackend& m_backend;
    Dialog& m_dialog;
    std::map<int, ControlState> m_controls;
    std::map<int, bool> m_checked;
    std::vector<std::pair<std::u16string, int>> m_menu;  // top-level items
    std::map<std::uintptr_t, Timer> m_timers;
    Rect m_windowRect;
    Rect m_clientRect;
    Icon m_bigIcon;
    Icon m_smallIcon;
    bool m_visible = false;
    bool m_iconic = false;
    bool m_ended = false;
    bool m_closePosted = false;
    int m_result = 0;
};

class HeadlessBackend : public Backend {
public:
    HeadlessBackend();
    ~HeadlessBackend() override;

    // --- Backend ---
    int RunModal(Dialog& dialog, Dialog* owner) override;
    int MessageBox(Dialog* owner, const std::u16string& text, const std::u16string& caption,
                   unsigned style) override;
    int GetSystemMetrics(int index) const override;
    std::uint64_t GetTickCount64() const override { return m_tick; }
    std::int64_t Time() const override { return m_timeMs / 1000; }
    void WaitUntilTick(std::uint64_t tick) override;
    int GetProfileInt(const std::u16string& org, const std::u16string& app,
                      const std::u16string& section, const std::u16string& entry,
                      int defaultValue) override;
    bool WriteProfileInt(const std::u16string& org, const std::u16string& app,
                         const std::u16string& section, const std::u16string& entry,
                         int value) override;
    int IncrementProfileInt(const std::u16string& org, const std::u16string& app,
                            const std::u16string& section, const std::u16string& entry) override;
    std::optional<Bytes> FindResource(std::string_view type, int id) override;

    // --- Driving the backend from a test ---
    // Creates the dialog's window and runs OnInitDialog, without a modal loop.
    HeadlessWindow* Open(Dialog& dialog);
    void Close(Dialog& dialog);
    HeadlessWindow* WindowOf(Dialog& dialog) const;

    // Steps a modal loop runs, one at a time, before it gives up and closes
    // its window as a user would.
    void QueueModalStep(std::function<void(Dialog&)> step);
    // The answer to the next message box; `whileOpen` runs while it is shown.
    void QueueAnswer(int answer, std::function<void()> whileOpen = {});
    // Advances the virtual clocks, serving every timer that falls due.
    void AdvanceTime(std::uint64_t ms);
    void SetCalendarTime(std::int64_t seconds) { m_timeMs = seconds * 1000; }
    void SetScreenSize(int width, int height) {
        m_screenWidth = width;
        m_screenHeight = height;
    }

    // The profile, keyed by organisation/application/section/entry.
    void SetProfileValue(const std::u16string& key, int value) { m_profile[key] = value; }
    std::optional<int> ProfileValue(const std::u16string& key) const;
    void SetProfileWritesFail(bool fail) { m_profileWritesFail = fail; }

    // Resources: a missing one, or other bytes in place of the built-in ones.
    void RemoveResource(std::string_view type, int id);
    void ReplaceResource(std::string_view type, int id, std::vector<std::uint8_t> bytes);

    // --- The log ---
    void Log(std::string line) { m_log.push_back(std::move(line)); }
    const std::vector<std::string>& LogLines() const { return m_log; }
    // Lines that start with `prefix`.
    std::vector<std::string> LogLines(const std::string& prefix) const;
    void ClearLog() { m_log.clear(); }

private:
    static std::u16string Key(const std::u16string& org, const std::u16string& app,
                              const std::u16string& section, const std::u16string& entry);

    std::vector<HeadlessWindow*> m_windows;
    std::deque<std::function<void(Dialog&)>> m_steps;
    std::deque<std::pair<int, std::function<void()>>> m_answers;
    std::map<std::u16string, int> m_profile;
    bool m_profileWritesFail = false;
    std::map<std::pair<std::string, int>, std::optional<std::vector<std::uint8_t>>> m_resources;
    std::vector<std::string> m_log;
    std::uint64_t m_tick = 1'000'000;
    std::int64_t m_timeMs = 1'800'000'000'000;
    int m_screenWidth = 1024;
    int m_screenHeight = 768;
};

// ASCII text of a UTF-16 string, for log lines; other units become '?'.
std::string Narrow(const std::u16string& s);

}  // namespace platform::headless
