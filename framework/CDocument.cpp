#include "CDocument.h"

#include "CArchive.h"
#include "CFile.h"
#include "MessageBox.h"

// Starts an empty, unmodified document with no file.
bool CDocument::OnNewDocument() {
  DeleteContents();
  SetModifiedFlag(false);
  pathName_.clear();
  return true;
}

// The document is marked modified while it is being read, so that the open
// sequence can tell a failed read (contents partly replaced) from a file that
// could not even be opened (nothing touched). The file is closed on every path
// out of here.
bool CDocument::OnOpenDocument(CFile& file) {
  DeleteContents();
  SetModifiedFlag(true);
  try {
    if (file.GetLength() != 0) {
      CArchive archive(file, CArchive::load);
      Serialize(archive);
    }
  } catch (const CFileException& error) {
    file.Close();
    ShowMessage(error.Message());
    return false;
  } catch (...) {
    file.Close();
    ShowMessage(kOpenFailedMessage);
    return false;
  }
  file.Close();
  SetModifiedFlag(false);
  return true;
}

// A document with nothing to load or store.
void CDocument::Serialize(CArchive&) {}

// A document with no contents of its own.
void CDocument::DeleteContents() {}

// The title is the last component of the path: the file name the user picked.
void CDocument::SetPathName(const std::string& fullPath) {
  pathName_ = fullPath;
  title_ = fullPath.substr(fullPath.rfind('/') + 1);
}
