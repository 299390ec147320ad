#pragma once
// The open dialog: the user picks one existing file. It is the desktop's
// folder view, drawn by Qt itself rather than by the desktop, so that it
// looks and behaves the same everywhere: nothing can be renamed, deleted or
// created from it, and there is no read-only box.

#include <QString>

#include <string>
#include <vector>

class QWidget;

// One entry of the dialog's list of file types: the name shown (UTF-8) and
// the pattern that a file's name must match ("*" for any file).
struct FileFilter {
  std::string name;
  std::string pattern;
};

class CFileDialog {
 public:
  // An open dialog titled title (UTF-8) over parent, offering filters in
  // order, the first one chosen.
  CFileDialog(std::string title, std::vector<FileFilter> filters, QWidget* parent);

  // Shows the dialog and waits: IDOK when a file was chosen, IDCANCEL when
  // the dialog was cancelled or closed.
  int DoModal();

  // The chosen file's full path, in the system's encoding; empty until
  // DoModal has returned IDOK.
  const std::string& GetPathName() const { return pathName_; }

 private:
  std::string title_;
  std::vector<FileFilter> filters_;
  QWidget* parent_;
  std::string pathName_;
};

// How a filter is written for Qt's dialog: "<name> (<pattern>)". The dialog
// shows only the name, so a name that already reads "Tous les fichiers (*.*)"
// is shown as it stands while any file matches "*".
QString QtNameFilter(const FileFilter& filter);
