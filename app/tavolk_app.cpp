#include "app/tavolk_app.h"

#include "window/tavolk_dlg.h"

CTavolkApp::CTavolkApp() {
    SetAppID(kAppId);
}

// Common controls, the help engine, the shell and visual managers and the
// control-bar state have no counterpart here: the toolkit needs no set-up
// for them and keeps no global state to release.
bool CTavolkApp::InitInstance() {
    SetRegistryKey(kOrganisation);

    CTavolkDlg dlg;
    m_pMainWnd = &dlg;
    dlg.DoModal();  // OK, Cancel or a failed creation all end the program
    m_pMainWnd = nullptr;

    // No message loop of our own: the program ends with its window.
    return false;
}
