#include "AppFixture.h"

#include "document/CaptureState.h"
#include "tools/SamplePhoto.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QWidget>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace apptests {

// QSettings reads XDG_CONFIG_HOME once per process; setPath points it at this
// test's folder even when every test runs in one process.
void AppTest::SetUp() {
  ASSERT_TRUE(configHome_.isValid());
  ASSERT_TRUE(photos_.isValid());
  qputenv("XDG_CONFIG_HOME", configHome_.path().toUtf8());
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, configHome_.path());
  captureState = CaptureState{};
  previousHandler_ = SetMessageHandler(
      [this](std::string_view text, MessageIcon) { messages_.emplace_back(text); });
}

void AppTest::TearDown() { SetMessageHandler(previousHandler_); }

std::string AppTest::SettingsFile() const {
  return (configHome_.path() + "/Local AppWizard-Generated Applications/Tarvonel6.conf")
      .toStdString();
}

// QSettings, within one process, reads a file again only when its size or
// modification time has changed: every file written here gets a time of its
// own, an hour earlier than the one before.
void AppTest::WriteSettingsFile(const std::string& text) const {
  static int filesWritten = 0;
  const std::string path = SettingsFile();
  std::filesystem::create_directories(std::filesystem::path(path).parent_path());
  std::ofstream(path, std::ios::binary | std::ios::trunc) << text;
  std::filesystem::last_write_time(path, std::filesystem::file_time_type::clock::now() -
                                             std::chrono::hours(++filesWritten));
}

std::string AppTest::ReadSettingsFile() const {
  std::ifstream in(SettingsFile(), std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

std::string AppTest::WritePhoto(const std::string& name) const {
  return WriteFile(name, MakeSamplePhoto(SamplePhotoOptions{}));
}

std::string AppTest::WriteFile(const std::string& name, const std::string& bytes) const {
  const std::string path = MissingFile(name);
  std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
  return path;
}

std::string AppTest::MissingFile(const std::string& name) const {
  return (std::filesystem::canonical(photos_.path().toStdString()) / name).string();
}

bool AnyWindowVisible() {
  for (QWidget* window : QApplication::topLevelWidgets()) {
    if (window->isVisible()) return true;
  }
  return false;
}

}  // namespace apptests
