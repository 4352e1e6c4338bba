// Runs the window tests on the offscreen platform, with a private profile folder.
#include <gtest/gtest.h>

#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include "tests/window/window_fixture.h"

namespace {
QTemporaryDir* g_config = nullptr;
int g_nextApp = 0;
}  // namespace

QString TestConfigFolder() {
    return g_config->path();
}

QString UniqueAppName() {
    return QStringLiteral("TavolkTest%1").arg(++g_nextApp);
}

platform::qt::QtDialogWindow& WindowTest::Open() {
    dlg = std::make_unique<CTavolkDlg>();
    app.m_pMainWnd = dlg.get();
    window = backend.Open(*dlg);
    if (!window)
        throw std::runtime_error("main window template missing");
    if (!QTest::qWaitForWindowExposed(window))
        throw std::runtime_error("window never shown");
    return *window;
}

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication application(argc, argv);
    QTemporaryDir config;
    g_config = &config;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, config.path());
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
