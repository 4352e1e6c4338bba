// The main window on the real toolkit: placement, client area, tiles, the
// menu bar and the pixels on screen.
#include <algorithm>

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QMenuBar>
#include <QPainter>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include "platform/qt/qt_util.h"
#include "tests/window/window_fixture.h"

namespace {

QImage Grab(QWidget* w) {
    return w->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

bool IsBlack(const QImage& image, int x, int y) {
    return (image.pixel(x, y) & 0xFFFFFF) == 0;
}

class SizeTest : public WindowTest, public ::testing::WithParamInterface<int> {};

TEST_P(SizeTest, WindowIsPlacedByTheScreenAndShowsTheBoardOfTheStoredSize) {
    const int n = GetParam();
    const int t = 480 / n;
    StoreSize(n);
    platform::qt::QtDialogWindow& w = Open();

    EXPECT_EQ(w.windowTitle(), "Tavolk");
    EXPECT_TRUE(w.isVisible());
    const QSize screen = QGuiApplication::primaryScreen()->geometry().size();
    EXPECT_EQ(w.frameGeometry().topLeft(),
              QPoint(screen.width() / 2 - 218, screen.height() / 2 - 270));

    // A 480 x 480 client area right below the menu bar.
    ASSERT_NE(w.MenuBar(), nullptr);
    EXPECT_EQ(w.Client()->size(), QSize(480, 480));
    EXPECT_EQ(w.Client()->mapTo(&w, QPoint(0, 0)), QPoint(0, w.MenuBar()->height()));
    EXPECT_GT(w.MenuBar()->height(), 0);

    int visible = 0;
    for (int id = 1050; id <= 1084; ++id) {
        QWidget* tile = w.Control(id);
        ASSERT_NE(tile, nullptr);
        const int r = (id - 1050) / 6, c = (id - 1050) % 6;
        const bool shown = r < n && c < n && !(r == n - 1 && c == n - 1);
        EXPECT_EQ(tile->isVisible(), shown) << id;
        if (shown) {
            ++visible;
            EXPECT_EQ(tile->geometry(), QRect(c * t, r * t, t, t)) << id;
        } else {
            EXPECT_EQ(tile->geometry(), QRect(600, 600, 1, 1)) << id;
        }
    }
    EXPECT_EQ(visible, n * n - 1);
}

TEST_P(SizeTest, TilesShowTheirLetterCellsReplicatedOnBlack) {
    const int n = GetParam();
    const int t = 480 / n;
    StoreSize(n);
    platform::qt::QtDialogWindow& w = Open();
    const QImage screen = Grab(w.Client());
    const QImage& strip = platform::qt::ImageOf(dlg->m_bmpLetters);
    ASSERT_EQ(strip.size(), QSize(1768, 68));

    const int face = t - 2;
    for (int r = 0; r < n; ++r) {
        for (int c = 0; c < n; ++c) {
            const int x0 = c * t, y0 = r * t;
            if (r == n - 1 && c == n - 1) {
                for (int y = y0; y < y0 + t; y += 7)
                    for (int x = x0; x < x0 + t; x += 7)
                        ASSERT_TRUE(IsBlack(screen, x, y));
                continue;
            }
            const int k = static_cast<int>(dlg->m_cells[r][c].chLetter) - 'A';
            ASSERT_GE(k, 0);
            // The backend's own nearest-neighbour scaling of the letter's cell.
            QImage expected(face, face, QImage::Format_RGB32);
            QPainter painter(&expected);
            painter.drawImage(QRect(0, 0, face, face), strip, QRect(k * 68, 0, 68, 68));
            painter.end();
            for (int y = 0; y < face; ++y) {
                for (int x = 0; x < face; ++x) {
                    // Pixel replication: every pixel is the cell pixel under its
                    // centre (or, where fixed-point rounding tips it, a neighbour).
                    const QRgb want = expected.pixel(x, y);
                    const int sx = (2 * x + 1) * 68 / (2 * face);
                    const int sy = (2 * y + 1) * 68 / (2 * face);
                    bool replicated = false;
                    for (int dy = -1; dy <= 1 && !replicated; ++dy)
                        for (int dx = -1; dx <= 1 && !replicated; ++dx)
                            replicated = strip.pixel(k * 68 + std::clamp(sx + dx, 0, 67),
                                                     std::clamp(sy + dy, 0, 67)) == want;
                    ASSERT_TRUE(replicated) << "not a cell pixel at " << x << "," << y;
                    ASSERT_EQ(screen.pixel(x0 + 1 + x, y0 + 1 + y), want)
                        << "tile " << r << "," << c << " pixel " << x << "," << y;
                }
            }
            // A one-pixel black rim all round.
            for (int i = 0; i < t; ++i) {
                ASSERT_TRUE(IsBlack(screen, x0 + i, y0));
                ASSERT_TRUE(IsBlack(screen, x0 + i, y0 + t - 1));
                ASSERT_TRUE(IsBlack(screen, x0, y0 + i));
                ASSERT_TRUE(IsBlack(screen, x0 + t - 1, y0 + i));
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Sizes, SizeTest, ::testing::Values(4, 5, 6),
                         [](const auto& info) { return "Size" + std::to_string(info.param); });

TEST_F(WindowTest, ClientAreaAroundTheBoardIsBlackWhenTheWindowGrows) {
    StoreSize(5);
    platform::qt::QtDialogWindow& w = Open();
    w.resize(w.size() + QSize(100, 60));
    QApplication::processEvents();
    ASSERT_EQ(w.Client()->size(), QSize(580, 540));
    const QImage screen = Grab(w.Client());
    for (const QPoint p :
         {QPoint(480, 0), QPoint(579, 0), QPoint(0, 480), QPoint(579, 539), QPoint(500, 300)})
        EXPECT_TRUE(IsBlack(screen, p.x(), p.y())) << p.x() << "," << p.y();
    // The board stays where it was.
    EXPECT_EQ(w.Control(1050)->geometry(), QRect(0, 0, 96, 96));
}

TEST_F(WindowTest, MenuBarHoldsTheCommandsAndTheClockItems) {
    platform::qt::QtDialogWindow& w = Open();
    QStringList texts;
    for (QAction* a : w.MenuBar()->actions())
        texts << a->text();
    EXPECT_EQ(texts, (QStringList{"Start Puzzle", "Settings", "Check for word", "Help", "Exit",
                                  QString(11, ' '), " "}));
    EXPECT_EQ(dlg->GetMenuItemID(0), 1085);
    EXPECT_EQ(dlg->GetMenuItemID(3), -1);
    EXPECT_EQ(dlg->GetMenuItemID(5), 32781);
    EXPECT_EQ(dlg->GetMenuItemID(6), 32781);
    // Items sharing an ID: only the first one changes.
    dlg->ModifyMenu(32781, u"00:00:00");
    dlg->DrawMenuBar();
    EXPECT_EQ(w.MenuBar()->actions()[5]->text(), "00:00:00");
    EXPECT_EQ(w.MenuBar()->actions()[6]->text(), " ");
}

TEST_F(WindowTest, WindowCarriesTheApplicationIcon) {
    platform::qt::QtDialogWindow& w = Open();
    EXPECT_FALSE(w.windowIcon().isNull());
    EXPECT_EQ(w.windowIcon().availableSizes().size(), 5);
}

TEST_F(WindowTest, OutOfRangeSizeIsClampedAndLeftInTheProfile) {
    const std::pair<int, int> cases[] = {{9, 6}, {0, 4}, {-3, 4}, {3, 4}, {7, 6}};
    for (const auto& [stored, used] : cases) {
        StoreSize(stored);
        Open();
        EXPECT_EQ(dlg->m_nSize, used) << stored;
        EXPECT_EQ(window->Control(1050)->width(), 480 / used);
        backend.Close(*dlg);
        dlg.reset();
        EXPECT_EQ(StoredSize(), stored);
    }
}

TEST_F(WindowTest, GarbageProfileOpensTheSmallestBoard) {
    StoreSize(6);
    QFile file(ProfileFile());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    static const char garbage[] = "\x01\xff[Tav\nsize==\x00\x7f@Variant(\\0\\0)\n[\n";
    file.write(garbage, sizeof garbage - 1);
    file.close();
    Open();
    EXPECT_EQ(dlg->m_nSize, 4);
}

TEST_F(WindowTest, ClosingTheWindowEndsTheApplication) {
    StoreSize(4);
    bool closed = false;
    QTimer::singleShot(0, [&] {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (w->isVisible() && w->windowTitle() == "Tavolk") {
                w->close();
                closed = true;
            }
        }
    });
    EXPECT_FALSE(app.InitInstance());
    EXPECT_TRUE(closed);
    EXPECT_EQ(app.m_pMainWnd, nullptr);
    for (QWidget* w : QApplication::topLevelWidgets())
        EXPECT_FALSE(w->isVisible());
}

}  // namespace
