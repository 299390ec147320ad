// The settings file under stress, through the application object: a file that
// is corrupt, cut short, unreadable or enormous is read as the defaults (no
// recent file, "PreviewPages" 0) without a word; and instances that quit at
// the same moment leave a file that reads cleanly and holds one of them.

#include "InstanceProcess.h"
#include "app/CTarvonel6App.h"
#include "framework/CRecentFileList.h"
#include "framework/MessageBox.h"
#include "tests/framework/TestFiles.h"
#include "tools/SamplePhoto.h"

#include <QSettings>

#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <memory>

namespace {

using testfiles::MessageCapture;
using testfiles::TempFolder;

constexpr const char* kValid = "[Recent%20File%20List]\nFile1=/photos/earlier.jpg\n"
                               "[Settings]\nPreviewPages=3\n";

// Settings in a folder of the test's own, as XDG_CONFIG_HOME points there.
class SettingsStress : public testing::Test {
 protected:
  void SetUp() override {
    ::setenv("XDG_CONFIG_HOME", config_.Path().c_str(), 1);
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                       QString::fromStdString(config_.Path().string()));
  }

  std::string SettingsFile() const {
    return config_ / "Local AppWizard-Generated Applications/Tarvonel6.conf";
  }

  // Writes bytes as the settings file. QSettings reads a file again in one
  // process only when its size or time changed, so each gets a time of its own.
  void WriteSettings(const std::string& bytes) const {
    static int written = 0;
    std::filesystem::create_directories(std::filesystem::path(SettingsFile()).parent_path());
    std::ofstream(SettingsFile(), std::ios::binary | std::ios::trunc) << bytes;
    std::filesystem::last_write_time(
        SettingsFile(), std::filesystem::file_time_type::clock::now() - std::chrono::hours(++written));
  }

  std::string WritePhoto(const std::string& name) const {
    const std::string path = photos_ / name;
    std::ofstream(path, std::ios::binary) << MakeSamplePhoto(SamplePhotoOptions{});
    return path;
  }

  // File1 as a fresh reader finds it; fails the test when the file does not
  // read cleanly.
  std::string File1() const {
    QSettings settings(QString::fromStdString(SettingsFile()), QSettings::IniFormat);
    const QString value = settings.value("Recent File List/File1").toString();
    EXPECT_EQ(settings.status(), QSettings::NoError);
    return value.toStdString();
  }

  TempFolder config_;
  TempFolder photos_;
};

TEST_F(SettingsStress, ABrokenOrEnormousFileGivesTheDefaults) {
  struct Row {
    const char* name;
    std::string bytes;
    bool unreadable = false;
  };
  const Row rows[] = {
      {"binary noise", std::string("\x00\xff\x1b[\x01=\n\x80", 9) + kValid},
      {"cut inside a section name", std::string(kValid).substr(0, 15)},
      {"cut inside a key", std::string(kValid).substr(0, 64)},
      {"unreadable", kValid, true},
      {"64 MB without a line break", std::string(64 << 20, 'x')},
      {"64 MB of lines that are not settings", [] {
         std::string text;
         while (text.size() < (64u << 20)) text += "this line is not a setting at all\n";
         return text + kValid;
       }()},
  };
  const std::string photo = WritePhoto("d70.jpg");
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    if (row.unreadable && ::geteuid() == 0) continue;  // root reads any file
    WriteSettings(row.bytes);
    if (row.unreadable) std::filesystem::permissions(SettingsFile(), std::filesystem::perms::none);
    MessageCapture shown;
    {
      CTarvonel6App app;
      ASSERT_TRUE(app.InitInstance());
      ASSERT_NE(app.GetRecentFileList(), nullptr);
      EXPECT_EQ((*app.GetRecentFileList())[0], "");
      EXPECT_EQ(app.GetPreviewPages(), 0);
      app.OpenDocumentFile(photo);
      app.ExitInstance();
    }
    EXPECT_TRUE(shown.messages.empty());
    if (row.unreadable) {
      std::filesystem::permissions(SettingsFile(), std::filesystem::perms::owner_all);
    } else {
      EXPECT_EQ(File1(), photo) << "the broken file was not replaced by a clean one";
    }
  }
}

// Every round starts several instances, each with a photo of its own, and
// lets them all run their exit steps at the same moment.
TEST_F(SettingsStress, InstancesQuittingAtOnceLeaveAValidFile) {
  constexpr int kRounds = 10;
  constexpr int kInstances = 4;
  std::vector<std::string> photos;
  for (int i = 0; i < kInstances; ++i) photos.push_back(WritePhoto("photo" + std::to_string(i) + ".jpg"));
  for (int round = 0; round < kRounds; ++round) {
    SCOPED_TRACE(round);
    WriteSettings(round % 2 == 0 ? kValid : "[Recent%20File%20List\n");
    InstanceGroup group(photos, config_.Path().string());
    ASSERT_TRUE(group.AllReady());
    EXPECT_TRUE(group.QuitAllAtOnce());
    const std::string file1 = File1();
    EXPECT_NE(std::find(photos.begin(), photos.end(), file1), photos.end()) << file1;
  }
}

}  // namespace
