#pragma once
// What every window test starts from: settings in a fresh folder (pointed at
// by XDG_CONFIG_HOME), a fresh capture state, the framework's messages
// captured instead of shown, and a folder for photo files.

#include "framework/MessageBox.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace apptests {

class AppTest : public testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // The settings file of the application, whether it exists or not.
  std::string SettingsFile() const;
  // Writes text as the settings file, creating its folder.
  void WriteSettingsFile(const std::string& text) const;
  // The settings file's text; empty when there is none.
  std::string ReadSettingsFile() const;

  // Writes a D70 photo (shutter count 23456) or any bytes under name in the
  // photo folder and returns its full path.
  std::string WritePhoto(const std::string& name) const;
  std::string WriteFile(const std::string& name, const std::string& bytes) const;
  // A path in the photo folder where no file is.
  std::string MissingFile(const std::string& name) const;

  std::vector<std::string> messages_;

 private:
  QTemporaryDir configHome_;
  QTemporaryDir photos_;
  MessageHandler previousHandler_;
};

// Whether any top-level window of the process is visible.
bool AnyWindowVisible();

}  // namespace apptests
