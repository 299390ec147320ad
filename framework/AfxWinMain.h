#pragma once
// The program's entry point and the run of the application object.

#include <string>
#include <vector>

class CWinApp;

// The exit status of a program whose start-up failed (a file named on the
// command line that cannot be opened, a window that cannot be made, no
// display).
inline constexpr int kStartupFailedExitStatus = 1;

// main's body: checks that there is a display, starts Qt, installs the
// message boxes, then runs the application object with the command line.
int AfxWinMain(int argc, char* argv[]);

// Runs app inside an existing Qt application: InitInstance, then the event
// loop until the main window closes, then the exit steps. A start-up that
// ends the program runs the exit steps at once and returns
// kStartupFailedExitStatus, or 0 when it ended as asked ("Unregister", "p").
int AfxRunApplication(CWinApp& app, std::vector<std::string> arguments);
