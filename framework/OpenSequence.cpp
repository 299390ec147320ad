#include "OpenSequence.h"

#include "CFile.h"
#include "MessageBox.h"

#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace {

// "C:\a b.jpg" as the shell quotes it becomes C:\a b.jpg; a lone quote stays.
std::string_view StripQuotes(std::string_view path) {
  if (path.size() >= 2 && path.front() == '"' && path.back() == '"') {
    return path.substr(1, path.size() - 2);
  }
  return path;
}

// Puts a document whose read failed half-way back to an untitled one; one
// that was never touched keeps its path, title and mark.
void RecoverFromFailedOpen(CDocument& document, bool wasModified) {
  if (document.IsModified()) {
    NewDocument(document);
  } else {
    document.SetModifiedFlag(wasModified);
  }
}

}  // namespace

// Resolution never fails: an error leaves the best path found so far.
std::string ResolveOpenPath(std::string_view pathAsGiven) {
  const fs::path given(StripQuotes(pathAsGiven));
  if (given.empty()) return {};
  std::error_code error;
  fs::path absolute = fs::absolute(given, error);
  if (error) return given.string();
  fs::path resolved = fs::canonical(absolute, error);
  return error ? absolute.string() : resolved.string();
}

// The file is opened first, so that its full path comes from the descriptor
// in one call instead of a walk over every folder of the path; only a file
// that cannot be opened is resolved by name. The same full path as the open
// document's reads nothing again (whether or not the file opens now);
// otherwise the document reads the file and, on success, takes its path and
// title.
bool OpenDocumentFile(CDocument& document, std::string_view pathAsGiven) {
  CFile file;
  std::optional<CFileException> error = file.Open(std::string(StripQuotes(pathAsGiven)));
  std::optional<std::string> fullPath = file.GetResolvedPath();
  if (!fullPath) fullPath = ResolveOpenPath(pathAsGiven);
  if (!document.GetPathName().empty() && *fullPath == document.GetPathName()) {
    return true;
  }
  if (error) {
    ShowMessage(CFileException(error->cause, *fullPath, error->osError).Message());
    return false;
  }
  const bool wasModified = document.IsModified();
  if (!document.OnOpenDocument(file)) {
    RecoverFromFailedOpen(document, wasModified);
    return false;
  }
  document.SetPathName(*fullPath);
  return true;
}

// Called at start-up without a file and by the new command.
void NewDocument(CDocument& document) {
  document.SetTitle(kUntitledTitle);
  document.OnNewDocument();
}
