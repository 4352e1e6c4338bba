#include "platform/qt/qt_main.h"

#include <QApplication>

#include "platform/app.h"
#include "platform/qt/qt_backend.h"
#include "platform/qt/qt_util.h"

namespace platform::qt {

int RunApplication(int argc, char** argv) {
    QApplication application(argc, argv);
    QtBackend backend;
    Backend::SetCurrent(&backend);

    int exitCode = 0;
    if (WinApp* app = AfxGetApp()) {
        app->SetAppName(AppNameFromPath(FromQString(QCoreApplication::applicationFilePath())));
        // An application that returns true wants a message loop of its own.
        if (app->InitInstance())
            exitCode = QApplication::exec();
    }
    Backend::SetCurrent(nullptr);
    return exitCode;
}

}  // namespace platform::qt
