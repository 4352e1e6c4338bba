#include "platform/qt/qt_window.h"

#include <QAbstractButton>
#include <QAction>
#include <QCloseEvent>
#include <QFontMetrics>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QTimerEvent>
#include <QVBoxLayout>

#include "platform/app.h"
#include "platform/qt/qt_canvas.h"
#include "platform/qt/qt_util.h"

namespace platform::qt {

// --- ClientArea ---

ClientArea::ClientArea(QtDialogWindow& window, QWidget* parent)
    : QWidget(parent), m_window(window) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void ClientArea::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    QtCanvas canvas(painter);
    m_window.Game().OnPaint(canvas);
}

// --- OwnerDrawButton ---

OwnerDrawButton::OwnerDrawButton(QtDialogWindow& window, int id, QWidget* parent)
    : QWidget(parent), m_window(window), m_id(id) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::TabFocus);
}

void OwnerDrawButton::paintEvent(QPaintEvent* /*event*/) {
    // The owner's colour brush fills the face first; the owner then draws on it.
    // Pressed, focused and disabled buttons look the same.
    QPainter painter(this);
    QtCanvas canvas(painter);
    Dialog& owner = m_window.Game();
    const Rect rc{0, 0, width(), height()};
    canvas.FillRect(rc, owner.OnCtlColor(canvas, m_id, CtlColor::Button));
    DrawItemStruct item{m_id, &canvas, rc};
    owner.OnDrawItem(m_id, item);
}

void OwnerDrawButton::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        m_pressed = true;
}

void OwnerDrawButton::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !m_pressed)
        return;
    m_pressed = false;
    if (rect().contains(event->position().toPoint()))
        m_window.SendCommand(m_id, BN_CLICKED);
}

// The second press of a double-click reports the double-click at once and a
// click when released, as owner-drawn buttons do.
void OwnerDrawButton::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    m_pressed = true;
    m_window.SendCommand(m_id, BN_DOUBLECLICKED);
}

void OwnerDrawButton::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Space && !event->isAutoRepeat()) {
        m_window.SendCommand(m_id, BN_CLICKED);
        return;
    }
    QWidget::keyPressEvent(event);
}

// --- QtDialogWindow ---

QtDialogWindow::QtDialogWindow(Dialog& dialog, const DialogTemplate& tmpl, QWidget* owner)
    : QDialog(owner), m_dialog(dialog) {
    Qt::WindowFlags flags = Qt::Dialog | Qt::WindowTitleHint | Qt::CustomizeWindowHint;
    if (tmpl.style & WS_SYSMENU)
        flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (tmpl.style & WS_MINIMIZEBOX && tmpl.style & WS_THICKFRAME)
        flags |= Qt::WindowMinimizeButtonHint;
    if (!owner)
        flags = (flags & ~Qt::Dialog) | Qt::Window;
    setWindowFlags(flags);
    setWindowTitle(ToQString(tmpl.caption));
    setSizeGripEnabled(false);

    QFont font = QDialog::font();
    font.setPointSize(tmpl.fontPointSize);
    setFont(font);
    // Dialog units: a quarter of the average character width, an eighth of
    // the character height.
    const QFontMetrics fm(font);
    const int alphabet = fm.horizontalAdvance(
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    m_baseX = (alphabet / 26 + 1) / 2;
    m_baseY = fm.height();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    if (tmpl.menuId) {
        if (const MenuTemplate* menu = FindMenuTemplate(tmpl.menuId)) {
            m_menuBar = new QMenuBar(this);
            m_menuBar->setNativeMenuBar(false);
            layout->setMenuBar(m_menuBar);
            BuildMenu(*menu);
        }
    }
    m_client = new ClientArea(*this, this);
    layout->addWidget(m_client);
    BuildControls(tmpl);

    const QRect size = DialogUnitsToPixels(0, 0, tmpl.cx, tmpl.cy);
    m_client->resize(size.size());
    resize(size.width(), size.height() + (m_menuBar ? m_menuBar->sizeHint().height() : 0));
    if (!(tmpl.style & WS_THICKFRAME))
        setFixedSize(sizeHint());
    dialog.Attach(this);
}

QtDialogWindow::~QtDialogWindow() {
    for (const auto& [id, qtId] : m_timers)
        QObject::killTimer(qtId);
    m_dialog.Attach(nullptr);
}

QRect QtDialogWindow::DialogUnitsToPixels(int x, int y, int cx, int cy) const {
    return QRect(x * m_baseX / 4, y * m_baseY / 8, cx * m_baseX / 4, cy * m_baseY / 8);
}

void QtDialogWindow::BuildMenu(const MenuTemplate& menu) {
    for (const MenuItemTemplate& item : menu.items) {
        QAction* action = nullptr;
        if (!item.popup.empty()) {
            QMenu* popup = m_menuBar->addMenu(ToQString(item.text));
            for (const MenuItemTemplate& sub : item.popup) {
                QAction* subAction = popup->addAction(ToQString(sub.text));
                const int id = sub.id;
                connect(subAction, &QAction::triggered, this, [this, id] { SendCommand(id, 0); });
            }
            action = popup->menuAction();
        } else {
            action = m_menuBar->addAction(ToQString(item.text));
            const int id = item.id;
            connect(action, &QAction::triggered, this, [this, id] { SendCommand(id, 0); });
        }
        m_menuItems.emplace_back(action, item.popup.empty() ? item.id : 0);
    }
}

void QtDialogWindow::BuildControls(const DialogTemplate& tmpl) {
    for (const ControlTemplate& c : tmpl.controls) {
        QWidget* w = nullptr;
        const QString text = ToQString(c.text);
        switch (c.kind) {
            case ControlKind::OwnerDrawButton:
                w = new OwnerDrawButton(*this, c.id, m_client);
                break;
            case ControlKind::PushButton:
            case ControlKind::DefPushButton: {
                auto* b = new QPushButton(text, m_client);
                b->setAutoDefault(false);
                if (c.kind == ControlKind::DefPushButton) {
                    b->setDefault(true);
                    m_defaultButton = c.id;
                }
                const int id = c.id;
                connect(b, &QPushButton::clicked, this,
                        [this, id] { SendCommand(id, BN_CLICKED); });
                w = b;
                break;
            }
            case ControlKind::AutoRadioButton: {
                auto* b = new QRadioButton(text, m_client);
                const int id = c.id;
                connect(b, &QRadioButton::clicked, this,
                        [this, id] { SendCommand(id, BN_CLICKED); });
                w = b;
                break;
            }
            case ControlKind::GroupBox:
                w = new QGroupBox(text, m_client);
                w->setAttribute(Qt::WA_TransparentForMouseEvents);
                w->lower();
                break;
            case ControlKind::Static:
                w = new QLabel(text, m_client);
                static_cast<QLabel*>(w)->setTextFormat(Qt::PlainText);
                break;
            case ControlKind::StaticIcon: {
                auto* label = new QLabel(m_client);
                const QRect r = DialogUnitsToPixels(0, 0, c.cx, c.cy);
                label->setPixmap(IconOf(LoadIcon(c.iconId)).pixmap(r.size()));
                w = label;
                break;
            }
        }
        if (c.id == IDOK || c.id == IDCANCEL)
            m_hasDialogButtons = true;
        w->setGeometry(DialogUnitsToPixels(c.x, c.y, c.cx, c.cy));
        w->setVisible((c.style & WS_VISIBLE) != 0);
        if (c.id != -1)
            m_controls[c.id] = w;
    }
}

QWidget* QtDialogWindow::Control(int id) const {
    const auto it = m_controls.find(id);
    return it == m_controls.end() ? nullptr : it->second;
}

void QtDialogWindow::SendCommand(int id, int code) {
    if (m_ending)
        return;
    m_dialog.OnCommand(MakeWParam(id, code), 0);
}

void QtDialogWindow::EndDialog(int result) {
    m_ending = true;
    done(result);
}

void QtDialogWindow::SetWindowPos(int x, int y, int cx, int cy) {
    // Size the client area below the menu bar, whatever the window manager's
    // frame adds around it, then put the frame's corner at (x, y).
    const QSize client(std::max(0, cx - kFrameWidth), std::max(0, cy - kFrameHeight));
    const int menuHeight = m_menuBar ? m_menuBar->heightForWidth(client.width()) : 0;
    resize(client.width(), client.height() + std::max(0, menuHeight));
    move(x, y);
    show();
    raise();
    // The layout has placed the menu bar now; settle any difference.
    if (layout())
        layout()->activate();
    const QSize miss = client - m_client->size();
    if (!miss.isNull())
        resize(size() + miss);
}

void QtDialogWindow::SetIcon(const Icon& icon, bool /*big*/) {
    setWindowIcon(IconOf(icon));
}

bool QtDialogWindow::IsIconic() const {
    return isMinimized();
}

Rect QtDialogWindow::GetClientRect() const {
    return Rect{0, 0, m_client->width(), m_client->height()};
}

void QtDialogWindow::InvalidateRect(bool /*erase*/) {
    m_client->update();
    for (const auto& [id, w] : m_controls)
        w->update();
}

void QtDialogWindow::PostClose() {
    QTimer::singleShot(0, this, [this] {
        if (!m_ending)
            m_dialog.OnClose();
    });
}

bool QtDialogWindow::HasControl(int id) const {
    return Control(id) != nullptr;
}

void QtDialogWindow::MoveWindow(int id, int x, int y, int cx, int cy, bool repaint) {
    QWidget* w = Control(id);
    if (!w)
        return;
    w->setGeometry(x, y, cx, cy);
    if (repaint)
        w->update();
}

void QtDialogWindow::ShowWindow(int id, int showCmd) {
    if (QWidget* w = Control(id))
        w->setVisible(showCmd != SW_HIDE);
}

void QtDialogWindow::UpdateWindow(int id) {
    QWidget* w = Control(id);
    if (w && w->isVisible())
        w->repaint();
}

void QtDialogWindow::CheckRadioButton(int first, int last, int id) {
    for (int i = first; i <= last; ++i) {
        if (auto* b = qobject_cast<QAbstractButton*>(Control(i))) {
            const bool exclusive = b->autoExclusive();
            b->setAutoExclusive(false);
            b->setChecked(i == id);
            b->setAutoExclusive(exclusive);
        }
    }
}

int QtDialogWindow::GetCheckedRadioButton(int first, int last) const {
    for (int i = first; i <= last; ++i) {
        if (auto* b = qobject_cast<QAbstractButton*>(Control(i)); b && b->isChecked())
            return i;
    }
    return 0;
}

void QtDialogWindow::SetTimer(std::uintptr_t id, unsigned elapseMs) {
    KillTimer(id);
    const int qtId = startTimer(static_cast<int>(elapseMs));
    if (qtId)
        m_timers[id] = qtId;
}

void QtDialogWindow::KillTimer(std::uintptr_t id) {
    const auto it = m_timers.find(id);
    if (it == m_timers.end())
        return;
    QObject::killTimer(it->second);
    m_timers.erase(it);
}

void QtDialogWindow::timerEvent(QTimerEvent* event) {
    for (const auto& [id, qtId] : m_timers) {
        if (qtId == event->timerId()) {
            m_dialog.OnTimer(id);
            return;
        }
    }
    QDialog::timerEvent(event);
}

int QtDialogWindow::GetMenuItemID(int position) const {
    if (position < 0 || position >= static_cast<int>(m_menuItems.size()))
        return -1;
    const int id = m_menuItems[static_cast<std::size_t>(position)].second;
    return id ? id : -1;
}

void QtDialogWindow::ModifyMenu(int commandId, const std::u16string& text) {
    for (auto& [action, id] : m_menuItems) {
        if (id == commandId) {
            action->setText(ToQString(text));
            return;
        }
    }
}

void QtDialogWindow::DrawMenuBar() {
    if (m_menuBar)
        m_menuBar->update();
}

void QtDialogWindow::closeEvent(QCloseEvent* event) {
    // The dialog decides: it ends itself, or stays open.
    event->ignore();
    if (!m_ending)
        m_dialog.OnClose();
}

void QtDialogWindow::reject() {
    // Escape: a dialog with OK or Cancel buttons hears Cancel; a window
    // without them takes no such shortcut.
    if (m_hasDialogButtons)
        SendCommand(IDCANCEL, BN_CLICKED);
}

void QtDialogWindow::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && event->modifiers() == Qt::NoModifier) {
        if (m_defaultButton)
            SendCommand(m_defaultButton, BN_CLICKED);
        return;
    }
    QDialog::keyPressEvent(event);
}

}  // namespace platform::qt
