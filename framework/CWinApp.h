#pragma once
// The application object. A program has exactly one, a global object
// constructed before main (its constructor touches no Qt). AfxWinMain runs it:
// InitInstance starts the program (settings, document template, command
// line, main window); Run turns the event loop until the main window closes;
// ExitInstance writes the settings back and lets the windows go.

#include "framework/CCmdTarget.h"
#include "framework/CCommandLineInfo.h"

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class CDocument;
class CFrameWnd;
class CRecentFileList;
class CSingleDocTemplate;
class ProfileSettings;

class CWinApp : public CCmdTarget {
 public:
  // Registers this object as the application that AfxGetApp returns. Without
  // appName, the name is string 57344 of the string table.
  explicit CWinApp(const char* appName = nullptr);
  ~CWinApp() override;
  CWinApp(const CWinApp&) = delete;
  CWinApp& operator=(const CWinApp&) = delete;

  // Starts the program; false means it must end (AfxRunApplication then runs
  // the exit steps). The base class does nothing and succeeds.
  virtual bool InitInstance();

  // The exit steps: the recent-file list and "PreviewPages" are written to
  // the settings (not after "Unregister"), then the template lets its
  // frame, view and document go. Returns the process's exit status.
  virtual int ExitInstance();

  // Runs the event loop until the main window closes, then the exit steps.
  int Run();

  const std::string& AppName() const { return appName_; }

  // The arguments ParseCommandLine reads, without the program's name.
  void SetCommandLine(std::vector<std::string> arguments);

  // Hands each argument to info.ParseParam. An argument starting with "-",
  // or with "/" followed by a switch word, is a switch; any other (an
  // absolute path starts with "/") is a file name.
  void ParseCommandLine(CCommandLineInfo& info) const;

  // Carries out what the command line asks. Returns false when the program
  // must end: the file could not be opened, the window could not be made, or
  // the request was one that ends the program ("p", "pt", "Unregister").
  bool ProcessShellCommand(const CCommandLineInfo& info);

  // True when the last ProcessShellCommand ended the program because it was
  // asked to, not because something failed.
  bool EndedAsAsked() const { return endedAsAsked_; }

  // Keeps the settings under organisation (then the application's name).
  // Without it the profile functions read defaults and write nothing.
  void SetRegistryKey(std::string_view organisation);

  // Creates and reads the recent-file list of maxRecentFiles entries
  // (section "Recent File List", entries "File1"...), and reads
  // "PreviewPages" from "Settings" (default 0).
  void LoadStdProfileSettings(unsigned maxRecentFiles = 4);

  // The profile functions: read and write one entry of a section.
  int GetProfileInt(std::string_view section, std::string_view entry, int defaultValue) const;
  std::string GetProfileString(std::string_view section, std::string_view entry,
                               std::string_view defaultValue = {}) const;
  bool WriteProfileInt(std::string_view section, std::string_view entry, int value);
  bool WriteProfileString(std::string_view section, std::string_view entry, std::string_view value);

  // Records path as the most recent file; called when a file is opened.
  virtual void AddToRecentFileList(const std::string& path);
  const CRecentFileList* GetRecentFileList() const { return recentFiles_.get(); }

  // The print-preview page count kept in the settings; nothing uses it.
  int GetPreviewPages() const { return previewPages_; }

  // Deletes the application's settings (no file types are ever registered,
  // so there is nothing else to remove). Returns false if they remain.
  bool Unregister();

  // Gives the application its one document template.
  void AddDocTemplate(std::unique_ptr<CSingleDocTemplate> docTemplate);
  CSingleDocTemplate* GetDocTemplate() const { return docTemplate_.get(); }

  // Opens path through the template; null when it could not be opened.
  CDocument* OpenDocumentFile(std::string_view path, bool makeVisible = true);

  // The new-document step through the template.
  void OnFileNew();

  // The open command: the open dialog, then the chosen file through the
  // template's open sequence, as a file named on the command line. Cancel
  // does nothing.
  void OnFileOpen();

  // Shows the open dialog titled with string titleId, offering the
  // template's file type (when its document string names one) and then any
  // file. Returns the chosen file's full path, or nothing after Cancel.
  std::optional<std::string> DoPromptFileName(unsigned titleId);

  // The quit command: closes the main window, which ends the event loop.
  void OnAppExit();

  // The main frame window, once the template has made it.
  CFrameWnd* m_pMainWnd = nullptr;

 protected:
  static const MessageMap* ThisMessageMap();
  const MessageMap* GetMessageMap() const override { return ThisMessageMap(); }

 private:
  // Writes the recent-file list and a non-zero "PreviewPages".
  void SaveStdProfileSettings();

  std::string appName_;
  std::vector<std::string> arguments_;
  std::unique_ptr<ProfileSettings> profile_;
  std::unique_ptr<CRecentFileList> recentFiles_;
  int previewPages_ = 0;
  std::unique_ptr<CSingleDocTemplate> docTemplate_;
  CCommandLineInfo::ShellCommand shellCommand_ = CCommandLineInfo::FileNew;
  bool endedAsAsked_ = false;
};

// The one application object, or null before it is constructed.
CWinApp* AfxGetApp();
