#pragma once
// The application: prepares the settings, ties the photo document, the main
// frame and the result view together in one template, handles the command
// line and shows the window.

#include "framework/CWinApp.h"

class CTarvonel6App : public CWinApp {
 public:
  CTarvonel6App() = default;

  // Start-up, in order: settings key, settings, template, command line, then
  // the window shown and painted at once. False when the program must end.
  bool InitInstance() override;
};
