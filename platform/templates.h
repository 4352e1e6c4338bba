// Dialog and menu templates: the data a backend needs to build a window, its
// controls and its menu bar. Sizes are in dialog units of the template's font.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace platform {

// Window styles the backends look at; the rest are carried for completeness.
enum WindowStyle : std::uint32_t {
    WS_POPUP = 0x80000000u,
    WS_CHILD = 0x40000000u,
    WS_VISIBLE = 0x10000000u,
    WS_CAPTION = 0x00C00000u,
    WS_SYSMENU = 0x00080000u,
    WS_THICKFRAME = 0x00040000u,
    WS_GROUP = 0x00020000u,
    WS_MINIMIZEBOX = 0x00020000u,
    WS_TABSTOP = 0x00010000u,
    DS_SETFONT = 0x40u,
    DS_MODALFRAME = 0x80u,
    DS_FIXEDSYS = 0x8u,
    DS_SHELLFONT = DS_SETFONT | DS_FIXEDSYS,
};
inline constexpr std::uint32_t WS_EX_APPWINDOW = 0x00040000u;

enum class ControlKind {
    OwnerDrawButton,  // painted by the owner through OnDrawItem
    PushButton,
    DefPushButton,
    AutoRadioButton,
    GroupBox,
    Static,     // left-aligned text
    StaticIcon  // an icon resource
};

struct ControlTemplate {
    int id = -1;
    ControlKind kind = ControlKind::Static;
    std::u16string text;
    std::uint32_t style = 0;
    int x = 0, y = 0, cx = 0, cy = 0;  // dialog units
    int iconId = 0;                    // StaticIcon only
};

struct DialogTemplate {
    int id = 0;
    std::u16string caption;
    std::uint32_t style = 0;
    std::uint32_t exStyle = 0;
    int cx = 0, cy = 0;  // dialog units
    int menuId = 0;      // 0: no menu bar
    std::u16string fontName;
    int fontPointSize = 8;
    std::vector<ControlTemplate> controls;
};

struct MenuItemTemplate {
    std::u16string text;
    int id = 0;  // command ID; 0 for a pop-up
    std::vector<MenuItemTemplate> popup;
};

struct MenuTemplate {
    int id = 0;
    std::vector<MenuItemTemplate> items;  // top-level items, left to right
};

// The program's templates, found by ID; null when there is none.
const DialogTemplate* FindDialogTemplate(int id);
const MenuTemplate* FindMenuTemplate(int id);

}  // namespace platform
