#include "platform/app.h"

#include <cassert>

#include "platform/dialog.h"

namespace platform {

namespace {
WinApp* g_app = nullptr;
Backend* g_backend = nullptr;
}  // namespace

Backend& Backend::Current() {
    assert(g_backend && "no window backend installed");
    return *g_backend;
}

void Backend::SetCurrent(Backend* backend) {
    g_backend = backend;
}

Brush GetStockObject(StockObject which) {
    return which == BLACK_BRUSH ? Brush{{0, 0, 0}} : Brush{{255, 255, 255}};
}

WinApp::WinApp() {
    g_app = this;
}

WinApp::~WinApp() {
    if (g_app == this)
        g_app = nullptr;
}

WinApp* AfxGetApp() {
    return g_app;
}

int WinApp::GetProfileInt(const std::u16string& section, const std::u16string& entry,
                          int defaultValue) {
    return Backend::Current().GetProfileInt(m_registryKey, m_appName, section, entry, defaultValue);
}

bool WinApp::WriteProfileInt(const std::u16string& section, const std::u16string& entry,
                             int value) {
    return Backend::Current().WriteProfileInt(m_registryKey, m_appName, section, entry, value);
}

int WinApp::IncrementProfileInt(const std::u16string& section, const std::u16string& entry) {
    return Backend::Current().IncrementProfileInt(m_registryKey, m_appName, section, entry);
}

std::u16string AppNameFromPath(const std::u16string& path) {
    const auto slash = path.find_last_of(u"/\\");
    std::u16string name = slash == std::u16string::npos ? path : path.substr(slash + 1);
    const auto dot = name.rfind(u'.');
    // A leading dot names a hidden file, not an extension.
    if (dot != std::u16string::npos && dot > 0)
        name.erase(dot);
    return name;
}

int AfxMessageBox(const std::u16string& text, unsigned style) {
    if ((style & MB_ICONMASK) == 0)
        style |= (style & MB_TYPEMASK) == MB_YESNO ? MB_ICONQUESTION : MB_ICONEXCLAMATION;
    WinApp* app = AfxGetApp();
    Dialog* owner = app ? app->m_pMainWnd : nullptr;
    const std::u16string caption = app ? app->AppName() : std::u16string();
    return Backend::Current().MessageBox(owner, text, caption, style);
}

std::uint64_t GetTickCount64() {
    return Backend::Current().GetTickCount64();
}
std::int64_t Time() {
    return Backend::Current().Time();
}
void WaitUntilTick(std::uint64_t tick) {
    Backend::Current().WaitUntilTick(tick);
}
int GetSystemMetrics(int index) {
    return Backend::Current().GetSystemMetrics(index);
}

std::optional<Bytes> FindResource(std::string_view type, int id) {
    return Backend::Current().FindResource(type, id);
}

Bitmap LoadBitmap(int id) {
    const auto bytes = FindResource("BITMAP", id);
    return bytes ? Bitmap::FromBmp(*bytes) : Bitmap();
}

Icon LoadIcon(int id) {
    const auto bytes = FindResource("ICON", id);
    return bytes && !bytes->empty() ? Icon(id, *bytes) : Icon();
}

}  // namespace platform
