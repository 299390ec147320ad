#pragma once
// A file error: why a file could not be opened or read, with the path it
// concerns. Open reports it as a value; Read throws it, and the open sequence
// catches it and shows its message.

#include <exception>
#include <string>
#include <string_view>

class CFileException : public std::exception {
 public:
  // Why the operation failed. The numbers are part of the program's behaviour:
  // each selects one of the fifteen French message texts.
  enum class Cause : int {
    none = 0,
    generic = 1,
    fileNotFound = 2,
    badPath = 3,
    tooManyOpenFiles = 4,
    accessDenied = 5,
    invalidFile = 6,
    removeCurrentDir = 7,
    directoryFull = 8,
    badSeek = 9,
    hardIO = 10,
    sharingViolation = 11,
    lockViolation = 12,
    diskFull = 13,
    endOfFile = 14,
  };

  // Builds the error for the file at path; osError is the errno behind it
  // (0 when the cause was decided without one).
  CFileException(Cause cause, std::string path, int osError = 0);

  // The cause that an operating-system error (errno) stands for.
  static Cause CauseFromErrno(int osError);

  // The UTF-8 message text of a cause, with "%1" where the path goes.
  static std::string_view MessageTemplate(Cause cause);

  // The message shown to the user: the cause's text with "%1" replaced by path.
  std::string Message() const;

  // For std::exception users; the same text as Message().
  const char* what() const noexcept override;

  Cause cause;
  std::string path;
  int osError;

 private:
  std::string message_;
};
