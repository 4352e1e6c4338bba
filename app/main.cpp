// The program's entry point: the one application object and the real
// window backend.
#include "app/tavolk_app.h"
#include "platform/qt/qt_main.h"

namespace {
CTavolkApp theApp;
}

int main(int argc, char** argv) {
    return platform::qt::RunApplication(argc, argv);
}
