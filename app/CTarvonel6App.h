#pragma once
// The application: prepares the settings, ties the photo document, the main
// frame and the result view together in one template, handles the command
// line and shows the window. It answers the About, New and Open commands.

#include "framework/CWinApp.h"

class CTarvonel6App : public CWinApp {
 public:
  CTarvonel6App() = default;

  // Start-up, in order: settings key, settings, template, command line, then
  // the window shown and painted at once, ready to take dropped files. False
  // when the program must end.
  bool InitInstance() override;

  // The About command (menu, toolbar): shows the About dialog.
  void OnAppAbout();

 protected:
  static const MessageMap* ThisMessageMap();
  const MessageMap* GetMessageMap() const override { return ThisMessageMap(); }
};
