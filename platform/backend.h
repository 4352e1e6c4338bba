// The window layer's backend: what a real toolkit (or the test double) does
// for the game. Game code reaches it through Dialog, WinApp and the free
// functions of app.h, never directly.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "platform/resources.h"
#include "platform/types.h"

namespace platform {

class Dialog;

// The backend's side of one open dialog. Control operations take a control ID.
class NativeWindow {
public:
    virtual ~NativeWindow() = default;

    virtual void EndDialog(int result) = 0;
    // Places the window: (x, y) is its outer top-left corner on the screen;
    // (cx, cy) is its outer size on the reference frame, which the backend
    // turns into a client area of cx - kFrameWidth by cy - kFrameHeight.
    // The window is shown and raised above other windows that are not topmost.
    virtual void SetWindowPos(int x, int y, int cx, int cy) = 0;
    virtual void SetIcon(const Icon& icon, bool big) = 0;
    virtual bool IsIconic() const = 0;
    virtual Rect GetClientRect() const = 0;
    virtual void InvalidateRect(bool erase) = 0;
    virtual void PostClose() = 0;

    virtual bool HasControl(int id) const = 0;
    virtual void MoveWindow(int id, int x, int y, int cx, int cy, bool repaint) = 0;
    virtual void ShowWindow(int id, int showCmd) = 0;
    virtual void UpdateWindow(int id) = 0;
    virtual void CheckRadioButton(int first, int last, int id) = 0;
    virtual int GetCheckedRadioButton(int first, int last) const = 0;

    virtual void SetTimer(std::uintptr_t id, unsigned elapseMs) = 0;
    virtual void KillTimer(std::uintptr_t id) = 0;

    // Menu bar: the command ID at a top-level position (-1 when none or a
    // pop-up); the text of the first item with a command ID; a repaint.
    virtual int GetMenuItemID(int position) const = 0;
    virtual void ModifyMenu(int commandId, const std::u16string& text) = 0;
    virtual void DrawMenuBar() = 0;
};

// The outer size of the reference frame that window sizes are given on: a
// 480 x 480 client area comes with a 496 x 540 window.
inline constexpr int kFrameWidth = 16;
inline constexpr int kFrameHeight = 60;

class Backend {
public:
    virtual ~Backend() = default;

    // Creates the dialog's window from its template, runs OnInitDialog and then
    // the dialog's modal loop until EndDialog; returns its result, or -1 when
    // the window cannot be created.
    virtual int RunModal(Dialog& dialog, Dialog* owner) = 0;
    // A modal message box whose loop keeps serving timers; returns the answer.
    virtual int MessageBox(Dialog* owner, const std::u16string& text, const std::u16string& caption,
                           unsigned style) = 0;

    virtual int GetSystemMetrics(int index) const = 0;
    // Milliseconds since some fixed moment.
    virtual std::uint64_t GetTickCount64() const = 0;
    // Calendar time in whole seconds since 1970-01-01 00:00 UTC.
    virtual std::int64_t Time() const = 0;
    // Waits until the tick count reaches `tick`, taking no input meanwhile.
    virtual void WaitUntilTick(std::uint64_t tick) = 0;

    // The per-user profile of (organisation, application). A value that is
    // absent or unreadable gives the default. Writes reach the store before
    // the call returns; a failed write is ignored.
    virtual int GetProfileInt(const std::u16string& org, const std::u16string& app,
                              const std::u16string& section, const std::u16string& entry,
                              int defaultValue) = 0;
    virtual bool WriteProfileInt(const std::u16string& org, const std::u16string& app,
                                 const std::u16string& section, const std::u16string& entry,
                                 int value) = 0;
    // Adds 1 to a value (absent counts as 0), as one step no other copy of the
    // program can interleave with; past the largest value it wraps to the
    // smallest. Returns the value written.
    virtual int IncrementProfileInt(const std::u16string& org, const std::u16string& app,
                                    const std::u16string& section, const std::u16string& entry) = 0;

    // Resources of the program; by default those built into the executable.
    virtual std::optional<Bytes> FindResource(std::string_view type, int id) {
        return FindEmbeddedResource(type, id);
    }

    // The backend behind the game; set by the entry point or a test.
    static Backend& Current();
    static void SetCurrent(Backend* backend);
};

// Increments a 32-bit signed counter, wrapping past the largest value to the
// smallest without signed overflow.
constexpr int WrappingIncrement(int v) {
    return static_cast<int>(static_cast<std::uint32_t>(v) + 1u);
}

}  // namespace platform
