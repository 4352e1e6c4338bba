// The application object: starts the main window and ends with it.
#pragma once

#include "platform/app.h"

class CTavolkApp : public platform::WinApp {
public:
    CTavolkApp();
    bool InitInstance() override;

    // The profile section every value of the program lives in.
    static constexpr char16_t kSection[] = u"Tavolk";
    static constexpr char16_t kOrganisation[] = u"Quenmore";
    static constexpr char16_t kAppId[] = u"Tavolk.AppID.1.0";
};
