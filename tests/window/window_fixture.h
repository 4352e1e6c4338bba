// Window tests: the real Qt backend on the offscreen platform, with the
// profile kept in a private folder.
#pragma once

#include <gtest/gtest.h>

#include <QString>
#include <memory>

#include "app/tavolk_app.h"
#include "platform/qt/qt_backend.h"
#include "platform/qt/qt_profile.h"
#include "platform/qt/qt_window.h"
#include "window/tavolk_dlg.h"

// The folder that holds the tests' profiles (set up by the test main).
QString TestConfigFolder();
// A name no other test uses, so each test has a profile of its own.
QString UniqueAppName();

class WindowTest : public ::testing::Test {
protected:
    WindowTest() {
        platform::Backend::SetCurrent(&backend);
        appName = UniqueAppName();
        app.SetAppName(appName.toStdU16String());
        app.SetRegistryKey(u"Quenmore");
    }
    ~WindowTest() override {
        if (dlg)
            backend.Close(*dlg);
        platform::Backend::SetCurrent(nullptr);
    }

    void StoreSize(int size) { profile.Write("Quenmore", appName, "Tavolk", "size", size); }
    int StoredSize() const { return profile.Get("Quenmore", appName, "Tavolk", "size", -999); }
    QString ProfileFile() const { return platform::qt::QtProfile::Location("Quenmore", appName); }

    // Opens the main window as the program does, and waits until it is shown.
    platform::qt::QtDialogWindow& Open();

    platform::qt::QtBackend backend;
    platform::qt::QtProfile profile;
    CTavolkApp app;
    QString appName;
    std::unique_ptr<CTavolkDlg> dlg;
    platform::qt::QtDialogWindow* window = nullptr;
};
