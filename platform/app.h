// The application object's side of the window layer: its name, the profile
// key, the main window, message boxes, and the clocks.
#pragma once

#include <cstdint>
#include <string>

#include "platform/backend.h"
#include "platform/resources.h"

namespace platform {

class Dialog;

class WinApp {
public:
    WinApp();
    virtual ~WinApp();
    WinApp(const WinApp&) = delete;
    WinApp& operator=(const WinApp&) = delete;

    // Returns false to end the application without a message loop.
    virtual bool InitInstance() { return true; }

    // The application name: the executable's file name without its extension.
    const std::u16string& AppName() const { return m_appName; }
    void SetAppName(std::u16string name) { m_appName = std::move(name); }
    // Records the shell identity; there is nothing to register it with here.
    void SetAppID(std::u16string id) { m_appId = std::move(id); }
    const std::u16string& AppID() const { return m_appId; }
    // Names the organisation under which the profile is kept.
    void SetRegistryKey(std::u16string key) { m_registryKey = std::move(key); }
    const std::u16string& RegistryKey() const { return m_registryKey; }

    int GetProfileInt(const std::u16string& section, const std::u16string& entry, int defaultValue);
    bool WriteProfileInt(const std::u16string& section, const std::u16string& entry, int value);
    int IncrementProfileInt(const std::u16string& section, const std::u16string& entry);

    Dialog* m_pMainWnd = nullptr;

private:
    std::u16string m_appName;
    std::u16string m_appId;
    std::u16string m_registryKey;
};

// The one application object, or null before it is constructed.
WinApp* AfxGetApp();

// The derived name of an executable path: its file name without extension.
std::u16string AppNameFromPath(const std::u16string& path);

// A message box owned by the main window and captioned with the application
// name. A box without an icon of its own gets the question mark when it asks
// Yes or No, and the exclamation mark otherwise.
int AfxMessageBox(const std::u16string& text, unsigned style);

std::uint64_t GetTickCount64();
std::int64_t Time();
// Waits until the tick count reaches `tick`, taking no input meanwhile.
void WaitUntilTick(std::uint64_t tick);
int GetSystemMetrics(int index);
// The program's resources.
std::optional<Bytes> FindResource(std::string_view type, int id);
Bitmap LoadBitmap(int id);
Icon LoadIcon(int id);

}  // namespace platform
