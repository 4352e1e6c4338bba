// The program's dialog and menu templates.
#include <string>

#include "platform/templates.h"
#include "platform/types.h"
#include "resources/resource_ids.h"

namespace platform {

namespace {

std::u16string Ascii(const std::string& s) {
    return std::u16string(s.begin(), s.end());
}

DialogTemplate MainDialog() {
    DialogTemplate t;
    t.id = IDD_TAVOLK_DIALOG;
    t.caption = u"Tavolk";
    t.style = WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX |
              DS_SHELLFONT;
    t.exStyle = WS_EX_APPWINDOW;
    t.cx = 371;
    t.cy = 365;
    t.menuId = IDR_MENU;
    t.fontName = u"MS Shell Dlg";
    t.fontPointSize = 8;
    // Their template positions do not matter: the window places every tile.
    for (int id = IDC_FIRST_TILE; id <= IDC_LAST_TILE; ++id) {
        const int n = id - IDC_FIRST_TILE + 1;
        t.controls.push_back({id, ControlKind::OwnerDrawButton, Ascii("Button" + std::to_string(n)),
                              WS_CHILD | WS_VISIBLE | WS_TABSTOP, 0, 0, 10, 10, 0});
    }
    return t;
}

// A small fixed-size modal dialog in the usual dialog font.
DialogTemplate ModalDialog(int id, std::u16string caption, int cx, int cy,
                           std::vector<ControlTemplate> controls) {
    DialogTemplate t;
    t.id = id;
    t.caption = std::move(caption);
    t.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT | DS_FIXEDSYS;
    t.cx = cx;
    t.cy = cy;
    t.fontName = u"MS Shell Dlg";
    t.fontPointSize = 8;
    t.controls = std::move(controls);
    return t;
}

constexpr std::uint32_t kChild = WS_CHILD | WS_VISIBLE;

DialogTemplate SizeDialog() {
    return ModalDialog(
        IDD_SIZE_DIALOG, u"Tavolk Puzzle Size", 119, 108,
        {
            {IDOK, ControlKind::DefPushButton, u"OK", kChild | WS_TABSTOP, 7, 87, 50, 14, 0},
            {IDCANCEL, ControlKind::PushButton, u"Cancel", kChild | WS_TABSTOP, 61, 87, 50, 14, 0},
            {IDC_SIZE4, ControlKind::AutoRadioButton, u"4 x 4", kChild | WS_GROUP | WS_TABSTOP, 43,
             30, 32, 10, 0},
            {IDC_SIZE5, ControlKind::AutoRadioButton, u"5 x 5", kChild, 43, 46, 32, 10, 0},
            {IDC_SIZE6, ControlKind::AutoRadioButton, u"6 x 6", kChild, 43, 62, 32, 10, 0},
            {-1, ControlKind::GroupBox, u"Puzzle Size", kChild, 31, 18, 54, 60, 0},
        });
}

DialogTemplate AboutDialog() {
    return ModalDialog(
        IDD_ABOUTBOX, u"About Tavolk", 170, 62,
        {
            {-1, ControlKind::StaticIcon, u"", kChild, 14, 14, 20, 20, IDR_MAINFRAME},
            {-1, ControlKind::Static, u"Tavolk, Version 1.0", kChild | WS_GROUP, 42, 14, 114, 8, 0},
            {-1, ControlKind::Static, u"Copyright (C) 2026 Quenmore. All rights reserved.",
             kChild | WS_GROUP, 42, 26, 114, 8, 0},
            {IDOK, ControlKind::DefPushButton, u"OK", kChild | WS_GROUP | WS_TABSTOP, 113, 41, 50,
             14, 0},
            {-1, ControlKind::Static, u"Made by Quenmore", kChild | WS_GROUP, 27, 38, 84, 8, 0},
        });
}

MenuTemplate MainMenu() {
    MenuTemplate m;
    m.id = IDR_MENU;
    m.items = {
        {u"Start Puzzle", ID_START_PUZZLE, {}},
        {u"Settings", ID_SETTINGS, {}},
        {u"Check for word", ID_CHECK_FOR_WORD, {}},
        {u"Help", 0, {{u"About Tavolk", IDM_ABOUTBOX, {}}, {u"Help", ID_SHOW_HELP, {}}}},
        {u"Exit", ID_EXIT, {}},
        {u"           ", ID_CLOCK, {}},
        {u" ", ID_CLOCK, {}},
    };
    return m;
}

}  // namespace

const DialogTemplate* FindDialogTemplate(int id) {
    static const DialogTemplate kMain = MainDialog();
    static const DialogTemplate kSize = SizeDialog();
    static const DialogTemplate kAbout = AboutDialog();
    for (const DialogTemplate* t : {&kMain, &kSize, &kAbout}) {
        if (t->id == id)
            return t;
    }
    return nullptr;
}

const MenuTemplate* FindMenuTemplate(int id) {
    static const MenuTemplate kMenu = MainMenu();
    return id == kMenu.id ? &kMenu : nullptr;
}

}  // namespace platform
