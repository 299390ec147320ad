#pragma once
// The framework's document: a path, a title and a modified mark, with the
// steps every document goes through when a file is opened into it or a new
// document is started. A concrete document overrides Serialize (and, if it
// needs to, OnNewDocument and DeleteContents). A document is on the route of
// commands, after its view.

#include "framework/CCmdTarget.h"

#include <string>

class CArchive;
class CFile;

// The title of a document that has no file.
inline constexpr const char* kUntitledTitle = "sans nom";

// The message shown when loading fails for a reason other than a file error.
inline constexpr const char* kOpenFailedMessage = "L'ouverture du document a échoué.";

class CDocument : public CCmdTarget {
 public:
  ~CDocument() override = default;

  // Called by the new-document step: clears the contents and the modified
  // mark and empties the path. Returns false if the document cannot start.
  virtual bool OnNewDocument();

  // Called by the open sequence with the file it has just opened: lets
  // Serialize load it (unless it is empty), then closes it. Shows the message
  // and returns false when the file cannot be read.
  virtual bool OnOpenDocument(CFile& file);

  // Loads the document from, or stores it into, the archive's file.
  virtual void Serialize(CArchive& archive);

  // Forgets the document's contents before a new or opened document.
  virtual void DeleteContents();

  const std::string& GetPathName() const { return pathName_; }
  const std::string& GetTitle() const { return title_; }

  // Records the file the document now shows; the title becomes its file name.
  void SetPathName(const std::string& fullPath);
  void SetTitle(const std::string& title) { title_ = title; }

  bool IsModified() const { return modified_; }
  void SetModifiedFlag(bool modified = true) { modified_ = modified; }

 private:
  std::string pathName_;
  std::string title_;
  bool modified_ = false;
};
