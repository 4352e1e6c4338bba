#include "window/tavolk_dlg.h"

#include "platform/app.h"

using namespace platform;

namespace {
constexpr char16_t kSection[] = u"Tavolk";
constexpr char16_t kSizeEntry[] = u"size";
constexpr char16_t kNoClock[] = u"     ";
}  // namespace

CTavolkDlg::CTavolkDlg(Dialog* parent)
    : Dialog(IDD_TAVOLK_DIALOG, parent), m_hIcon(LoadIcon(IDR_MAINFRAME)) {}

CTavolkDlg::~CTavolkDlg() = default;

bool CTavolkDlg::OnInitDialog() {
    m_bmpLetters = LoadBitmap(IDB_LETTERS);
    for (int k = 0; k < kWordLists; ++k)
        m_strWords[k] = LoadWordList(k);

    Dialog::OnInitDialog();

    SetIcon(m_hIcon, true);
    SetIcon(m_hIcon, false);

    m_bRunning = 0;

    // The stored size is only read here; a value out of range is used clamped
    // and left as it is in the profile.
    WinApp* app = AfxGetApp();
    int n = app ? app->GetProfileInt(kSection, kSizeEntry, kMinSize) : kMinSize;
    if (n < kMinSize)
        n = kMinSize;
    else if (n > kMaxSize)
        n = kMaxSize;
    m_nSize = n;
    m_nSizeIndex = n - kMinSize;
    m_nTileSize = kBoardPixels / n;

    const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
    const int screenHeight = GetSystemMetrics(SM_CYSCREEN);

    m_strClock = kNoClock;

    // The window's centre sits a little right of the screen's centre.
    SetWindowPos(screenWidth / 2 - kWindowLeftOffset, screenHeight / 2 - kWindowTopOffset,
                 kWindowWidth, kWindowHeight);

    ResetBoard();
    return true;
}

void CTavolkDlg::ResetBoard() {
    const int n = m_nSize;
    const int t = m_nTileSize;
    const int k = m_nSizeIndex;

    m_nEmptyRow = m_nEmptyCol = n - 1;

    // Parking pass: every record takes its home keys and its button is hidden
    // out of sight. [5][5] has no button and is left alone.
    int ctrlId = IDC_FIRST_TILE;
    for (int i = 0; i < kTableSize; ++i) {
        for (int j = 0; j < kTableSize; ++j) {
            if (i == kTableSize - 1 && j == kTableSize - 1)
                continue;
            TileSlot& cell = m_cells[i][j];
            cell.nShowCmd = SW_HIDE;
            cell.bRepaint = 0;
            cell.rcCell = cell.rcHome = m_rcParked;
            cell.nRow = cell.nHomeRow = i;
            cell.nCol = cell.nHomeCol = j;
            cell.nCtrlId = ctrlId++;
            cell.chLetter = 0;
            MoveWindow(cell.nCtrlId, cell.rcCell.left, cell.rcCell.top, cell.rcCell.Width(),
                       cell.rcCell.Height(), cell.bRepaint != 0);
            ShowWindow(cell.nCtrlId, cell.nShowCmd);
            UpdateWindow(cell.nCtrlId);
        }
    }

    // Greeting pass: the greeting's letters on the board, each button shown
    // in its cell.
    for (int i = 0; i < n; ++i) {
        const int y = i * t;
        m_strSolution[i] = m_strGreeting[k][i];
        for (int j = 0; j < n; ++j) {
            const int x = j * t;
            TileSlot& cell = m_cells[i][j];
            if (i == n - 1 && j == n - 1) {
                // The empty cell's record: its keys move off the board so that
                // no lookup by position finds it. Unsigned arithmetic keeps the
                // ever-growing keys of [5][5] well defined.
                cell.nRow = static_cast<std::int32_t>(static_cast<std::uint32_t>(cell.nRow) +
                                                      static_cast<std::uint32_t>(t));
                cell.nCol = static_cast<std::int32_t>(static_cast<std::uint32_t>(cell.nCol) +
                                                      static_cast<std::uint32_t>(t));
                cell.nCtrlId = 0;
                break;
            }
            cell.rcCell = cell.rcHome = Rect{x, y, x + t, y + t};
            cell.chLetter = m_strSolution[i].at(static_cast<std::size_t>(j));
            cell.nShowCmd = SW_SHOWNORMAL;
            cell.bRepaint = 1;
            MoveWindow(cell.nCtrlId, x, y, t, t, true);
            ShowWindow(cell.nCtrlId, cell.nShowCmd);
            UpdateWindow(cell.nCtrlId);
        }
    }

    InvalidateRect(true);
}

void CTavolkDlg::OnPaint(Canvas& dc) {
    if (!IsIconic()) {
        Dialog::OnPaint(dc);
        return;
    }
    OnIconEraseBkgnd(dc);
    const int cxIcon = GetSystemMetrics(SM_CXICON);
    const int cyIcon = GetSystemMetrics(SM_CYICON);
    const Rect rect = GetClientRect();
    const int x = (rect.Width() - cxIcon + 1) / 2;
    const int y = (rect.Height() - cyIcon + 1) / 2;
    dc.DrawIcon(x, y, m_hIcon);
}

Icon CTavolkDlg::OnQueryDragIcon() {
    return m_hIcon;
}

void CTavolkDlg::OnDestroy() {
    Dialog::OnDestroy();
    m_bmpLetters.DeleteObject();
}
