#include "CTarvonel6App.h"

#include "app/CAboutDlg.h"
#include "app/CMainFrame.h"
#include "document/CTarvonel6Doc.h"
#include "framework/CSingleDocTemplate.h"
#include "resources/ResourceIds.h"
#include "view/CTarvonel6View.h"

// New and Open are the framework's own handlers.
const MessageMap* CTarvonel6App::ThisMessageMap() {
  static const MessageMapEntry entries[] = {
      OnCommand(ID_APP_ABOUT, &CTarvonel6App::OnAppAbout),
      OnCommand(ID_FILE_NEW, &CWinApp::OnFileNew),
      OnCommand(ID_FILE_OPEN, &CWinApp::OnFileOpen),
  };
  static const MessageMap map{CWinApp::ThisMessageMap(), entries};
  return &map;
}

// Hosting ActiveX controls and giving dialogs a three-dimensional look have no
// counterpart here (Qt's widgets take the desktop's style by themselves), so
// start-up begins with the settings.
bool CTarvonel6App::InitInstance() {
  SetRegistryKey("Local AppWizard-Generated Applications");
  LoadStdProfileSettings(1);

  AddDocTemplate(std::make_unique<CSingleDocTemplate>(IDR_MAINFRAME, RuntimeClass<CTarvonel6Doc>(),
                                                      RuntimeClass<CMainFrame>(),
                                                      RuntimeClass<CTarvonel6View>()));

  CCommandLineInfo cmdInfo;
  ParseCommandLine(cmdInfo);
  if (!ProcessShellCommand(cmdInfo)) return false;

  m_pMainWnd->ShowWindow(SW_SHOW);
  m_pMainWnd->UpdateWindow();
  // A photo dropped on the window opens as one chosen in the open dialog.
  m_pMainWnd->DragAcceptFiles();
  return true;
}

void CTarvonel6App::OnAppAbout() {
  CAboutDlg aboutDlg;
  aboutDlg.DoModal();
}
