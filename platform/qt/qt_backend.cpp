#include "platform/qt/qt_backend.h"

#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>
#include <QWidget>
#include <thread>

#include "platform/dialog.h"
#include "platform/qt/qt_util.h"
#include "platform/qt/qt_window.h"

namespace platform::qt {

namespace {

QWidget* WidgetOf(Dialog* dialog) {
    return dialog ? dynamic_cast<QtDialogWindow*>(dialog->Window()) : nullptr;
}

}  // namespace

QtDialogWindow* QtBackend::Open(Dialog& dialog, Dialog* owner) {
    const DialogTemplate* tmpl = FindDialogTemplate(dialog.TemplateId());
    if (!tmpl)
        return nullptr;
    auto* window = new QtDialogWindow(dialog, *tmpl, WidgetOf(owner));
    dialog.OnInitDialog();
    return window;
}

void QtBackend::Close(Dialog& dialog) {
    auto* window = dynamic_cast<QtDialogWindow*>(dialog.Window());
    if (!window)
        return;
    dialog.OnDestroy();
    delete window;
}

int QtBackend::RunModal(Dialog& dialog, Dialog* owner) {
    QtDialogWindow* window = Open(dialog, owner);
    if (!window)
        return -1;
    // The dialog may have ended itself while it initialised.
    const int result = window->result() ? window->result() : window->exec();
    Close(dialog);
    return result;
}

int QtBackend::MessageBox(Dialog* owner, const std::u16string& text, const std::u16string& caption,
                          unsigned style) {
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    switch (style & MB_ICONMASK) {
        case MB_ICONHAND:
            icon = QMessageBox::Critical;
            break;
        case MB_ICONQUESTION:
            icon = QMessageBox::Question;
            break;
        case MB_ICONEXCLAMATION:
            icon = QMessageBox::Warning;
            break;
        case MB_ICONASTERISK:
            icon = QMessageBox::Information;
            break;
        default:
            break;
    }
    const bool yesNo = (style & MB_TYPEMASK) == MB_YESNO;
    QMessageBox box(icon, ToQString(caption), ToQString(text),
                    yesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok, WidgetOf(owner));
    box.setTextFormat(Qt::PlainText);
    // The box's own loop keeps serving the owner's timers.
    const int answer = box.exec();
    if (yesNo)
        return answer == QMessageBox::Yes ? IDYES : IDNO;
    return IDOK;
}

int QtBackend::GetSystemMetrics(int index) const {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QSize size = screen ? screen->geometry().size() : QSize();
    switch (index) {
        case SM_CXSCREEN:
            return size.width();
        case SM_CYSCREEN:
            return size.height();
        case SM_CXICON:
        case SM_CYICON:
            return 32;
        default:
            return 0;
    }
}

std::uint64_t QtBackend::GetTickCount64() const {
    using namespace std::chrono;
    return static_cast<std::uint64_t>(
        duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

std::int64_t QtBackend::Time() const {
    using namespace std::chrono;
    return duration_cast<seconds>(system_clock::now().time_since_epoch()).count();
}

// Sleeps rather than spins: no input is taken, and no core is burnt.
void QtBackend::WaitUntilTick(std::uint64_t tick) {
    const std::uint64_t now = GetTickCount64();
    if (tick > now)
        std::this_thread::sleep_for(std::chrono::milliseconds(tick - now));
}

int QtBackend::GetProfileInt(const std::u16string& org, const std::u16string& app,
                             const std::u16string& section, const std::u16string& entry,
                             int defaultValue) {
    return m_profile.Get(ToQString(org), ToQString(app), ToQString(section), ToQString(entry),
                         defaultValue);
}

bool QtBackend::WriteProfileInt(const std::u16string& org, const std::u16string& app,
                                const std::u16string& section, const std::u16string& entry,
                                int value) {
    return m_profile.Write(ToQString(org), ToQString(app), ToQString(section), ToQString(entry),
                           value);
}

int QtBackend::IncrementProfileInt(const std::u16string& org, const std::u16string& app,
                                   const std::u16string& section, const std::u16string& entry) {
    return m_profile.Increment(ToQString(org), ToQString(app), ToQString(section),
                               ToQString(entry));
}

}  // namespace platform::qt
