#include "WindowMessages.h"

#include "framework/CFrameWnd.h"
#include "framework/CWinApp.h"
#include "framework/MessageBox.h"
#include "framework/QtText.h"
#include "resources/ResourceIds.h"
#include "resources/StringTable.h"

#include <QMessageBox>

namespace {

void ShowMessageBox(std::string_view utf8Text, MessageIcon icon) {
  CWinApp* app = AfxGetApp();
  const std::string caption =
      app != nullptr ? app->AppName() : std::string(LoadResourceString(AFX_IDS_APP_TITLE));
  QWidget* owner = app != nullptr && app->m_pMainWnd != nullptr && app->m_pMainWnd->isVisible()
                       ? app->m_pMainWnd
                       : nullptr;
  QMessageBox box(icon == MessageIcon::Exclamation ? QMessageBox::Warning : QMessageBox::Information,
                  ToQString(caption), ToQString(utf8Text),
                  QMessageBox::Ok, owner);
  box.exec();
}

}  // namespace

void InstallWindowMessageHandler() { SetMessageHandler(ShowMessageBox); }
