#pragma once
// Loads one photo exactly as the window opens it, and analyses it.

#include "FileOutcome.h"
#include "framework/MessageBox.h"

#include <string>
#include <string_view>

// While it lives, the framework's messages on the thread that made it are
// caught instead of printed, so that each file's error ends up in its own
// outcome. It loads into that thread's capture: one loader a thread.
class PhotoLoader {
 public:
  PhotoLoader();
  ~PhotoLoader();
  PhotoLoader(const PhotoLoader&) = delete;
  PhotoLoader& operator=(const PhotoLoader&) = delete;

  // Runs the open sequence on a fresh document and a cleared capture, so that
  // nothing of an earlier file can leak into this one, then analyses the
  // capture when the file was read.
  FileOutcome Load(std::string_view pathAsGiven);

 private:
  MessageHandler previous_;
  std::string lastMessage_;
};
