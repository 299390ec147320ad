#pragma once
// What a document's Serialize is given: the open file, and whether the
// document is being loaded from it or stored into it.

#include "framework/CFile.h"

class CArchive {
 public:
  enum Mode { load, store };

  // The archive works on file, which must stay open while the archive is used.
  CArchive(CFile& file, Mode mode) : file_(file), mode_(mode) {}

  bool IsLoading() const { return mode_ == load; }
  bool IsStoring() const { return mode_ == store; }

  // The underlying open file.
  CFile& GetFile() const { return file_; }

 private:
  CFile& file_;
  Mode mode_;
};
