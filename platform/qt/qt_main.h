// The program's start on the real toolkit.
#pragma once

namespace platform::qt {

// Starts the toolkit, installs the real backend, names the application after
// its executable and runs the application object's InitInstance.
int RunApplication(int argc, char** argv);

}  // namespace platform::qt
