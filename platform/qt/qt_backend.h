// The real backend: Qt Widgets windows, boxes, timers and the native profile.
#pragma once

#include <chrono>

#include "platform/backend.h"
#include "platform/qt/qt_profile.h"

class QWidget;

namespace platform::qt {

class QtDialogWindow;

class QtBackend : public Backend {
public:
    int RunModal(Dialog& dialog, Dialog* owner) override;
    int MessageBox(Dialog* owner, const std::u16string& text, const std::u16string& caption,
                   unsigned style) override;
    int GetSystemMetrics(int index) const override;
    std::uint64_t GetTickCount64() const override;
    std::int64_t Time() const override;
    void WaitUntilTick(std::uint64_t tick) override;
    int GetProfileInt(const std::u16string& org, const std::u16string& app,
                      const std::u16string& section, const std::u16string& entry,
                      int defaultValue) override;
    bool WriteProfileInt(const std::u16string& org, const std::u16string& app,
                         const std::u16string& section, const std::u16string& entry,
                         int value) override;
    int IncrementProfileInt(const std::u16string& org, const std::u16string& app,
                            const std::u16string& section, const std::u16string& entry) override;

    // Creates the dialog's window and runs OnInitDialog without a modal loop,
    // for tests that look at an open window; null when there is no template.
    QtDialogWindow* Open(Dialog& dialog, Dialog* owner = nullptr);
    // Destroys a window made by Open.
    void Close(Dialog& dialog);

private:
    QtProfile m_profile;
};

}  // namespace platform::qt
