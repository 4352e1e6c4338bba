// Numeric IDs of the program's resources, commands and controls.
#pragma once

// Icon, bitmap, menu and word lists.
inline constexpr int IDR_MAINFRAME = 128;
inline constexpr int IDR_MENU = 128;
inline constexpr int IDB_LETTERS = 129;
inline constexpr int IDR_WORDS_FIRST = 135;  // 3-letter words; 136 to 138 follow

// Dialog templates.
inline constexpr int IDD_ABOUTBOX = 100;
inline constexpr int IDD_TAVOLK_DIALOG = 102;
inline constexpr int IDD_SIZE_DIALOG = 147;

// Tile buttons: 1050 + 6 * row + column, for every table position but [5][5].
inline constexpr int IDC_FIRST_TILE = 1050;
inline constexpr int IDC_LAST_TILE = 1084;

// Board size radio buttons.
inline constexpr int IDC_SIZE4 = 1005;
inline constexpr int IDC_SIZE5 = 1006;
inline constexpr int IDC_SIZE6 = 1007;

// Commands.
inline constexpr int IDM_ABOUTBOX = 16;
inline constexpr int ID_START_PUZZLE = 1085;
inline constexpr int ID_CHECK_FOR_WORD = 32775;
inline constexpr int ID_SETTINGS = 32777;
inline constexpr int ID_EXIT = 32778;
inline constexpr int ID_SHOW_HELP = 32779;
inline constexpr int ID_CLOCK = 32781;
inline constexpr int ID_HELP = 57670;
