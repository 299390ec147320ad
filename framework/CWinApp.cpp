#include "CWinApp.h"

#include "framework/CFileDialog.h"
#include "framework/CFrameWnd.h"
#include "framework/CRecentFileList.h"
#include "framework/CSingleDocTemplate.h"
#include "framework/MessageBox.h"
#include "framework/ProfileSettings.h"
#include "resources/ResourceIds.h"
#include "resources/StringTable.h"

#include <QApplication>

namespace {

CWinApp* theApplication = nullptr;

constexpr std::string_view kRecentFileSection = "Recent File List";
constexpr std::string_view kSettingsSection = "Settings";
constexpr std::string_view kPreviewPagesEntry = "PreviewPages";

}  // namespace

CWinApp* AfxGetApp() { return theApplication; }

CWinApp::CWinApp(const char* appName)
    : appName_(appName != nullptr ? appName : LoadResourceString(AFX_IDS_APP_TITLE)) {
  theApplication = this;
}

// The template (and so every window) must already be gone; ExitInstance
// releases it while Qt still runs.
CWinApp::~CWinApp() {
  if (theApplication == this) theApplication = nullptr;
}

// The framework's own commands at the application's end of the route.
const MessageMap* CWinApp::ThisMessageMap() {
  static const MessageMapEntry entries[] = {
      OnCommand(ID_APP_EXIT, &CWinApp::OnAppExit),
  };
  static const MessageMap map{nullptr, entries};
  return &map;
}

bool CWinApp::InitInstance() { return true; }

int CWinApp::ExitInstance() {
  if (shellCommand_ != CCommandLineInfo::AppUnregister) SaveStdProfileSettings();
  docTemplate_.reset();
  m_pMainWnd = nullptr;
  return 0;
}

int CWinApp::Run() {
  QApplication::exec();
  return ExitInstance();
}

void CWinApp::SetCommandLine(std::vector<std::string> arguments) {
  arguments_ = std::move(arguments);
}

void CWinApp::ParseCommandLine(CCommandLineInfo& info) const {
  for (std::size_t i = 0; i < arguments_.size(); ++i) {
    const std::string_view argument = arguments_[i];
    const bool isLast = i + 1 == arguments_.size();
    const bool isSwitch =
        argument.starts_with('-') ||
        (argument.starts_with('/') && CCommandLineInfo::IsSwitchWord(argument.substr(1)));
    info.ParseParam(isSwitch ? argument.substr(1) : argument, isSwitch, isLast);
  }
}

bool CWinApp::ProcessShellCommand(const CCommandLineInfo& info) {
  shellCommand_ = info.m_nShellCommand;
  endedAsAsked_ = false;
  switch (info.m_nShellCommand) {
    case CCommandLineInfo::FileNew:
      OnFileNew();
      return m_pMainWnd != nullptr;
    case CCommandLineInfo::FileOpen:
      return OpenDocumentFile(info.m_strFileName) != nullptr;
    case CCommandLineInfo::FilePrint:
    case CCommandLineInfo::FilePrintTo:
      // There is no printing: the file is opened, unseen, and the program ends.
      endedAsAsked_ = OpenDocumentFile(info.m_strFileName, false) != nullptr;
      return false;
    case CCommandLineInfo::AppUnregister:
      Unregister();
      ShowMessage(LoadResourceString(AFX_IDP_UNREG_DONE));
      endedAsAsked_ = true;
      return false;
  }
  return false;
}

void CWinApp::SetRegistryKey(std::string_view organisation) {
  profile_ = std::make_unique<ProfileSettings>(std::string(organisation), appName_);
}

void CWinApp::LoadStdProfileSettings(unsigned maxRecentFiles) {
  recentFiles_ = std::make_unique<CRecentFileList>(std::string(kRecentFileSection), maxRecentFiles);
  if (profile_) recentFiles_->ReadList(*profile_);
  previewPages_ = GetProfileInt(kSettingsSection, kPreviewPagesEntry, 0);
}

void CWinApp::SaveStdProfileSettings() {
  if (!profile_) return;
  if (recentFiles_) recentFiles_->WriteList(*profile_);
  if (previewPages_ != 0) WriteProfileInt(kSettingsSection, kPreviewPagesEntry, previewPages_);
}

int CWinApp::GetProfileInt(std::string_view section, std::string_view entry,
                           int defaultValue) const {
  return profile_ ? profile_->GetInt(section, entry, defaultValue) : defaultValue;
}

std::string CWinApp::GetProfileString(std::string_view section, std::string_view entry,
                                      std::string_view defaultValue) const {
  return profile_ ? profile_->GetString(section, entry, defaultValue) : std::string(defaultValue);
}

bool CWinApp::WriteProfileInt(std::string_view section, std::string_view entry, int value) {
  return profile_ && profile_->WriteInt(section, entry, value);
}

bool CWinApp::WriteProfileString(std::string_view section, std::string_view entry,
                                 std::string_view value) {
  return profile_ && profile_->WriteString(section, entry, value);
}

void CWinApp::AddToRecentFileList(const std::string& path) {
  if (recentFiles_) recentFiles_->Add(path);
}

bool CWinApp::Unregister() { return !profile_ || profile_->DeleteAll(); }

void CWinApp::AddDocTemplate(std::unique_ptr<CSingleDocTemplate> docTemplate) {
  docTemplate_ = std::move(docTemplate);
}

CDocument* CWinApp::OpenDocumentFile(std::string_view path, bool makeVisible) {
  return docTemplate_ ? docTemplate_->OpenDocumentFile(path, makeVisible) : nullptr;
}

void CWinApp::OnFileNew() {
  if (docTemplate_) docTemplate_->OpenDocumentFile(std::nullopt, true);
}

void CWinApp::OnFileOpen() {
  if (const std::optional<std::string> path = DoPromptFileName(AFX_IDS_OPENFILE)) {
    OpenDocumentFile(*path);
  }
}

// The "all files" entry matches any name, with or without a dot.
std::optional<std::string> CWinApp::DoPromptFileName(unsigned titleId) {
  std::vector<FileFilter> filters;
  if (docTemplate_) {
    const DocumentString& fields = docTemplate_->GetDocString();
    if (!fields.filterName.empty() && !fields.filterExt.empty()) {
      filters.push_back({std::string(fields.filterName), "*" + std::string(fields.filterExt)});
    }
  }
  filters.push_back({std::string(LoadResourceString(AFX_IDS_ALLFILTER)), "*"});
  CFileDialog dialog(std::string(LoadResourceString(titleId)), std::move(filters), m_pMainWnd);
  if (dialog.DoModal() != IDOK) return std::nullopt;
  return dialog.GetPathName();
}

void CWinApp::OnAppExit() {
  if (m_pMainWnd != nullptr) m_pMainWnd->close();
}
