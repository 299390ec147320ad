// The settings file: the recent file written at exit and kept across runs,
// "PreviewPages", a corrupt file read as defaults, "Unregister", and values
// that must come back as they were written.

#include "AppFixture.h"

#include "app/CTarvonel6App.h"
#include "framework/AfxWinMain.h"
#include "framework/CRecentFileList.h"
#include "framework/ProfileSettings.h"

#include <QSettings>

#include <filesystem>
#include <fstream>
#include <optional>
#include <unistd.h>

namespace apptests {
namespace {

constexpr const char* kOrganisation = "Local AppWizard-Generated Applications";
constexpr const char* kUnregisterMessage =
    "Les entrées du registre Système ont été supprimées et le fichier INI (si besoin est) a été "
    "effacé.";

class SettingsTest : public AppTest {
 protected:
  // Starts the program with arguments and runs its exit steps at once, as
  // closing the window would.
  void RunOnce(const std::vector<std::string>& arguments) {
    CTarvonel6App app;
    app.SetCommandLine(arguments);
    app.InitInstance();
    app.ExitInstance();
  }

  // An entry of the settings file as QSettings reads it; nullopt when absent.
  std::optional<std::string> Entry(const char* key) const {
    QSettings settings(QString::fromStdString(SettingsFile()), QSettings::IniFormat);
    const QVariant value = settings.value(key);
    EXPECT_EQ(settings.status(), QSettings::NoError);
    if (!value.isValid()) return std::nullopt;
    return value.toString().toStdString();
  }
};

constexpr const char* kEarlierRun = "[Recent%20File%20List]\nFile1=/photos/earlier.jpg\n";

TEST_F(SettingsTest, TheLastPhotoIsWrittenAtExitAndKeptByRunsWithoutAnOpen) {
  struct Row {
    const char* name;
    const char* settingsBefore;  // null: no file
    std::vector<std::string> arguments;  // "{photo}", "{empty}", "{missing}" stand for files
    std::string file1After;      // "{photo}", "{empty}" stand for their paths; "" for none
  };
  const Row rows[] = {
      {"opening a photo records its full path", nullptr, {"{photo}"}, "{photo}"},
      {"a run without an open keeps the earlier path", kEarlierRun, {}, "/photos/earlier.jpg"},
      {"opening a photo replaces the earlier path", kEarlierRun, {"{photo}"}, "{photo}"},
      {"a file that cannot be opened keeps the earlier path", kEarlierRun, {"{missing}"},
       "/photos/earlier.jpg"},
      {"an empty file opened is recorded too", nullptr, {"{empty}"}, "{empty}"},
      {"a run without an open and no earlier path writes none", nullptr, {}, ""},
      {"Unregister writes nothing", kEarlierRun, {"-Unregister"}, ""},
  };
  const std::string photo = WritePhoto("d70.jpg");
  const std::string empty = WriteFile("empty.jpg", "");
  const auto expand = [&](std::string text) {
    if (text == "{photo}") return photo;
    if (text == "{empty}") return empty;
    if (text == "{missing}") return MissingFile("absent.jpg");
    return text;
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    std::filesystem::remove(SettingsFile());
    if (row.settingsBefore != nullptr) WriteSettingsFile(row.settingsBefore);
    std::vector<std::string> arguments;
    for (const std::string& argument : row.arguments) arguments.push_back(expand(argument));
    RunOnce(arguments);
    const std::string expected = expand(row.file1After);
    EXPECT_EQ(Entry("Recent File List/File1").value_or(""), expected);
  }
}

TEST_F(SettingsTest, PreviewPagesIsReadAtStartAndWrittenBackOnlyWhenNotZero) {
  struct Row {
    const char* name;
    const char* settingsBefore;
    int read;
    std::optional<std::string> after;
  };
  const Row rows[] = {
      {"absent", nullptr, 0, std::nullopt},
      {"three pages", "[Settings]\nPreviewPages=3\n", 3, "3"},
      {"zero stays unwritten", "[Settings]\nPreviewPages=0\n", 0, "0"},
      {"not a number", "[Settings]\nPreviewPages=lots\n", 0, "lots"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    std::filesystem::remove(SettingsFile());
    if (row.settingsBefore != nullptr) WriteSettingsFile(row.settingsBefore);
    CTarvonel6App app;
    app.InitInstance();
    EXPECT_EQ(app.GetPreviewPages(), row.read);
    app.ExitInstance();
    EXPECT_EQ(Entry("Settings/PreviewPages"), row.after);
  }
}

TEST_F(SettingsTest, ACorruptOrUnreadableFileGivesTheDefaultsAndIsReplacedAtExit) {
  struct Row {
    const char* name;
    const char* settingsBefore;
    bool unreadable;
  };
  const Row rows[] = {
      {"a section without its bracket",
       "[Recent%20File%20List\nFile1=/photos/earlier.jpg\n[Settings]\nPreviewPages=3\n", false},
      {"a line that is no setting",
       "[Recent%20File%20List]\nFile1=/photos/earlier.jpg\n[Settings]\nPreviewPages=3\nrubbish\n",
       false},
      {"unreadable", "[Recent%20File%20List]\nFile1=/photos/earlier.jpg\n[Settings]\nPreviewPages=3\n",
       true},
  };
  const std::string photo = WritePhoto("d70.jpg");
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    if (row.unreadable && ::geteuid() == 0) continue;  // root reads any file
    std::filesystem::remove(SettingsFile());
    WriteSettingsFile(row.settingsBefore);
    if (row.unreadable) std::filesystem::permissions(SettingsFile(), std::filesystem::perms::none);

    CTarvonel6App app;
    app.SetCommandLine({photo});
    ASSERT_TRUE(app.InitInstance());
    EXPECT_EQ(app.GetPreviewPages(), 0);
    EXPECT_TRUE(messages_.empty());
    app.ExitInstance();

    if (row.unreadable) {
      std::filesystem::permissions(SettingsFile(), std::filesystem::perms::owner_all);
      continue;  // nothing could be written over it, and nothing is said
    }
    EXPECT_EQ(Entry("Recent File List/File1"), photo);
    EXPECT_EQ(Entry("Settings/PreviewPages"), std::nullopt);
  }
}

TEST_F(SettingsTest, UnregisterDeletesTheFileAndAnEmptiedFolderThenSaysSo) {
  struct Row {
    const char* name;
    bool settingsExist;
    bool otherFileInFolder;
  };
  const Row rows[] = {
      {"the settings alone in their folder", true, false},
      {"beside another program's settings", true, true},
      {"no settings yet", false, false},
  };
  const std::filesystem::path folder = std::filesystem::path(SettingsFile()).parent_path();
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    messages_.clear();
    std::filesystem::remove_all(folder);
    if (row.settingsExist) WriteSettingsFile(kEarlierRun);
    if (row.otherFileInFolder) {
      std::filesystem::create_directories(folder);
      std::ofstream(folder / "Other.conf") << "[General]\nkey=1\n";
    }
    CTarvonel6App app;
    EXPECT_EQ(AfxRunApplication(app, {"/unregserver"}), 0);
    EXPECT_EQ(messages_, std::vector<std::string>{kUnregisterMessage});
    EXPECT_FALSE(std::filesystem::exists(SettingsFile()));
    EXPECT_EQ(std::filesystem::exists(folder), row.otherFileInFolder);
    if (row.otherFileInFolder) {
      EXPECT_TRUE(std::filesystem::exists(folder / "Other.conf"));
    }
  }
}

TEST_F(SettingsTest, PathsComeBackExactlyAsWritten) {
  const char* paths[] = {
      "/photos/plain.jpg",
      "/photos/a, b.jpg",
      "/photos/semi;colon #hash=equals.jpg",
      "/photos/été/Ünïcode ß.jpg",
      "  spaces around  ",
      "\"quoted\"",
      "back\\slash",
      "@at the start",
      "line\nfeed",
  };
  ProfileSettings settings(kOrganisation, "Tarvonel6");
  for (const char* path : paths) {
    SCOPED_TRACE(path);
    ASSERT_TRUE(settings.WriteString("Recent File List", "File1", path));
    EXPECT_EQ(settings.GetString("Recent File List", "File1", "default"), path);
  }
}

TEST(RecentFileListTest, TheNewestPathComesFirstAndTheOldestDropsOff) {
  struct Row {
    const char* name;
    std::size_t size;
    std::vector<std::string> added;
    std::vector<std::string> listed;
  };
  const Row rows[] = {
      {"one entry keeps the last path", 1, {"/a", "/b"}, {"/b"}},
      {"newest first", 3, {"/a", "/b"}, {"/b", "/a", ""}},
      {"a path added again moves up", 3, {"/a", "/b", "/c", "/a"}, {"/a", "/c", "/b"}},
      {"the oldest drops off", 2, {"/a", "/b", "/c"}, {"/c", "/b"}},
      {"an empty path is not recorded", 2, {"/a", ""}, {"/a", ""}},
      {"no entries at all", 0, {"/a"}, {}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    CRecentFileList list("Recent File List", row.size);
    for (const std::string& path : row.added) list.Add(path);
    std::vector<std::string> listed;
    for (std::size_t i = 0; i < list.GetSize(); ++i) listed.push_back(list[i]);
    EXPECT_EQ(listed, row.listed);
  }
}

}  // namespace
}  // namespace apptests
