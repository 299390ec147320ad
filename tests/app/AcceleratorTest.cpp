// The accelerator keys: each key of the table runs its command; New starts
// an untitled document over the report, Open shows the open dialog, and the
// save, edit and pane keys do nothing at all.

#include "WindowFixture.h"

#include "document/CaptureState.h"
#include "framework/CDocument.h"
#include "framework/CFrameWnd.h"
#include "resources/ResourceIds.h"

#include <QAction>
#include <QFileDialog>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

namespace apptests {
namespace {

namespace fs = std::filesystem;

struct KeyRow {
  const char* keys;
  unsigned command;
};

const KeyRow kAccelerators[] = {
    {"Ctrl+N", ID_FILE_NEW},        {"Ctrl+O", ID_FILE_OPEN},      {"Ctrl+S", ID_FILE_SAVE},
    {"Ctrl+Z", ID_EDIT_UNDO},       {"Ctrl+X", ID_EDIT_CUT},       {"Ctrl+C", ID_EDIT_COPY},
    {"Ctrl+V", ID_EDIT_PASTE},      {"Alt+Backspace", ID_EDIT_UNDO}, {"Shift+Del", ID_EDIT_CUT},
    {"Ctrl+Ins", ID_EDIT_COPY},     {"Shift+Ins", ID_EDIT_PASTE},  {"F6", ID_NEXT_PANE},
    {"Shift+F6", ID_PREV_PANE},
};

std::string ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

// Every file of folder with its size and modification time.
std::vector<std::string> FolderListing(const fs::path& folder) {
  std::vector<std::string> listing;
  for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
    listing.push_back(entry.path().string() + " " + std::to_string(entry.file_size()) + " " +
                      std::to_string(entry.last_write_time().time_since_epoch().count()));
  }
  std::sort(listing.begin(), listing.end());
  return listing;
}

class AcceleratorTest : public WindowTest {};

TEST_F(AcceleratorTest, EveryKeyOfTheTableBelongsToItsCommandInTheWindow) {
  StartApp();
  for (const KeyRow& row : kAccelerators) {
    SCOPED_TRACE(row.keys);
    QAction* action = Frame()->GetCommandAction(row.command);
    EXPECT_TRUE(action->shortcuts().contains(QKeySequence(row.keys)));
    EXPECT_TRUE(Frame()->actions().contains(action));
  }
}

TEST_F(AcceleratorTest, CtrlNStartsAnUntitledDocumentAndTheReportStaysPainted) {
  StartApp({WritePhoto("d70.jpg")});
  ASSERT_EQ(Frame()->windowTitle().toStdString(), "d70.jpg - Tarvonel6");
  PressKeys(QKeySequence("Ctrl+N"));
  EXPECT_EQ(Frame()->windowTitle().toStdString(), "sans nom - Tarvonel6");
  EXPECT_EQ(Frame()->GetActiveDocument()->GetPathName(), "");
  EXPECT_EQ(captureState.photoLoaded, 1);
  EXPECT_TRUE(ReportPainted());
}

TEST_F(AcceleratorTest, CtrlOShowsTheOpenDialog) {
  StartApp();
  NextModal cancel([](QWidget* dialog) {
    EXPECT_NE(qobject_cast<QFileDialog*>(dialog), nullptr);
    EXPECT_EQ(dialog->windowTitle().toStdString(), "Ouvrir");
    dialog->close();
  });
  PressKeys(QKeySequence("Ctrl+O"));
  EXPECT_TRUE(cancel.Seen());
}

// With a photo open: the photo keeps every byte and its modification time,
// no file appears beside it, no window or message shows, and the window and
// its report stay as they were.
TEST_F(AcceleratorTest, SaveEditAndPaneKeysDoNothingAtAll) {
  const std::string photo = WritePhoto("d70.jpg");
  fs::last_write_time(photo, fs::file_time_type::clock::now() - std::chrono::hours(48));
  const std::string bytes = ReadBytes(photo);
  const std::vector<std::string> listing = FolderListing(fs::path(photo).parent_path());
  StartApp({photo});
  const CaptureState capture = captureState;

  for (const KeyRow& row : kAccelerators) {
    if (row.command == ID_FILE_NEW || row.command == ID_FILE_OPEN) continue;
    SCOPED_TRACE(row.keys);
    ShowWatcher watcher;
    PressKeys(QKeySequence(row.keys));
    ProcessPendingEvents();
    EXPECT_FALSE(watcher.windowShown);
    EXPECT_TRUE(messages_.empty());
    EXPECT_EQ(ReadBytes(photo), bytes);
    EXPECT_EQ(FolderListing(fs::path(photo).parent_path()), listing);
    EXPECT_EQ(Frame()->windowTitle().toStdString(), "d70.jpg - Tarvonel6");
    EXPECT_TRUE(std::equal(std::begin(capture.captureBuffer), std::end(capture.captureBuffer),
                           std::begin(captureState.captureBuffer)));
    EXPECT_TRUE(ReportPainted());
  }
}

TEST_F(AcceleratorTest, ThePaneKeysAreDisabledBecauseTheWindowIsNotSplit) {
  StartApp();
  Frame()->OnIdleUpdateCmdUI();
  for (unsigned command : {ID_NEXT_PANE, ID_PREV_PANE}) {
    SCOPED_TRACE(command);
    EXPECT_FALSE(Frame()->GetCommandAction(command)->isEnabled());
    EXPECT_FALSE(Frame()->IsCommandEnabled(command));
  }
}

}  // namespace
}  // namespace apptests
