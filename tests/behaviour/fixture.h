// A game on the headless backend: the application object, and a main window
// opened as the program opens it.
#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "app/tavolk_app.h"
#include "platform/headless/headless_backend.h"
#include "window/tavolk_dlg.h"

class GameTest : public ::testing::Test {
protected:
    GameTest() {
        platform::Backend::SetCurrent(&backend);
        app.SetAppName(u"Tavolk");
        app.SetRegistryKey(u"Quenmore");
    }
    ~GameTest() override {
        if (dlg)
            backend.Close(*dlg);
        platform::Backend::SetCurrent(nullptr);
    }

    static constexpr char16_t kSizeKey[] = u"Quenmore/Tavolk/Tavolk/size";

    // Opens the main window with `size` stored in the profile (none: absent).
    CTavolkDlg& Open(std::optional<int> size = std::nullopt) {
        if (dlg)
            backend.Close(*dlg);
        if (size)
            backend.SetProfileValue(kSizeKey, *size);
        dlg = std::make_unique<CTavolkDlg>();
        app.m_pMainWnd = dlg.get();
        window = backend.Open(*dlg);
        return *dlg;
    }

    // The board as the tiles show it, row by row; the empty cell is '.'.
    std::string BoardText() const {
        std::string text;
        for (int r = 0; r < dlg->m_nSize; ++r) {
            for (int c = 0; c < dlg->m_nSize; ++c) {
                if (r == dlg->m_nEmptyRow && c == dlg->m_nEmptyCol) {
                    text += '.';
                    continue;
                }
                text += static_cast<char>(dlg->FindTile(r, c).chLetter);
            }
            text += '/';
        }
        return text;
    }

    platform::headless::HeadlessBackend backend;
    CTavolkApp app;
    std::unique_ptr<CTavolkDlg> dlg;
    platform::headless::HeadlessWindow* window = nullptr;
};
