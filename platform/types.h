// Plain values shared by the game and the window layer: rectangles, colours,
// command and control constants, and the codes that modal loops return.
#pragma once

#include <cstdint>

namespace platform {

// A rectangle in client pixels; right and bottom are exclusive.
struct Rect {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;

    std::int32_t Width() const { return right - left; }
    std::int32_t Height() const { return bottom - top; }
    friend bool operator==(const Rect&, const Rect&) = default;
};

struct Color {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
    friend bool operator==(const Color&, const Color&) = default;
};

// A brush is a solid colour; stock brushes live for the whole process.
struct Brush {
    Color color;
    friend bool operator==(const Brush&, const Brush&) = default;
};

enum StockObject { WHITE_BRUSH = 0, BLACK_BRUSH = 4 };
Brush GetStockObject(StockObject which);

// Results of modal dialogs and message boxes.
inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;
inline constexpr int IDYES = 6;
inline constexpr int IDNO = 7;

// Message box styles: buttons in the low nibble, icon in the next.
inline constexpr unsigned MB_OK = 0x0;
inline constexpr unsigned MB_YESNO = 0x4;
inline constexpr unsigned MB_TYPEMASK = 0xF;
inline constexpr unsigned MB_ICONHAND = 0x10;
inline constexpr unsigned MB_ICONQUESTION = 0x20;
inline constexpr unsigned MB_ICONEXCLAMATION = 0x30;
inline constexpr unsigned MB_ICONASTERISK = 0x40;
inline constexpr unsigned MB_ICONMASK = 0xF0;

// Show commands.
inline constexpr int SW_HIDE = 0;
inline constexpr int SW_SHOWNORMAL = 1;

// Button notifications carried in the high word of a command.
inline constexpr int BN_CLICKED = 0;
inline constexpr int BN_DOUBLECLICKED = 5;

// System metrics.
inline constexpr int SM_CXSCREEN = 0;
inline constexpr int SM_CYSCREEN = 1;
inline constexpr int SM_CXICON = 11;
inline constexpr int SM_CYICON = 12;

// Window icon slots.
inline constexpr int ICON_SMALL = 0;
inline constexpr int ICON_BIG = 1;

// System command that opens the About box (low four bits are ignored).
inline constexpr unsigned SC_MASK = 0xFFF0;

// What a control-colour request is for.
enum class CtlColor { MsgBox, Edit, ListBox, Button, Dialog, ScrollBar, Static };

constexpr std::uint32_t MakeWParam(int low, int high) {
    return (static_cast<std::uint32_t>(low) & 0xFFFFu) |
           ((static_cast<std::uint32_t>(high) & 0xFFFFu) << 16);
}
constexpr int LoWord(std::uint32_t v) {
    return static_cast<int>(v & 0xFFFFu);
}
constexpr int HiWord(std::uint32_t v) {
    return static_cast<int>((v >> 16) & 0xFFFFu);
}

}  // namespace platform
