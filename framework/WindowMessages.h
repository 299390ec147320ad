#pragma once
// The window's way of telling the user: a message box captioned with the
// application's name, over the main window when it shows.

// Makes ShowMessage open a modal message box (exclamation or information
// icon, one OK button). Called once Qt's application object exists.
void InstallWindowMessageHandler();
