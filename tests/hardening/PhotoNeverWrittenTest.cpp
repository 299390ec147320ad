// A photo is only ever read. Whatever a session does with it (open it, read
// it, open it again, save, start a new document, quit) the photo's
// bytes, size, times, permissions and inode stay as they were, and the kernel
// saw every open of it closed without write access.

#include "FileWatch.h"
#include "RunProgram.h"
#include "analysis/AnalyseCapture.h"
#include "app/CTarvonel6App.h"
#include "document/CTarvonel6Doc.h"
#include "document/CaptureState.h"
#include "framework/CArchive.h"
#include "framework/CFrameWnd.h"
#include "framework/OpenSequence.h"
#include "resources/ResourceIds.h"
#include "tests/framework/TestFiles.h"
#include "tools/SamplePhoto.h"

#include <QAction>
#include <QCoreApplication>
#include <QSettings>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>

namespace {

using testfiles::MessageCapture;
using testfiles::TempFolder;

// Everything about the photo that a write, a touch or a replacement would
// change: its bytes and what stat says of it.
struct PhotoState {
  std::string bytes;
  off_t size = 0;
  ino_t inode = 0;
  nlink_t links = 0;
  mode_t mode = 0;
  timespec modified{};
  timespec changed{};
};

bool operator==(const timespec& a, const timespec& b) {
  return a.tv_sec == b.tv_sec && a.tv_nsec == b.tv_nsec;
}

PhotoState StateOf(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  PhotoState state{{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()}};
  struct stat info {};
  EXPECT_EQ(::stat(path.c_str(), &info), 0);
  state.size = info.st_size;
  state.inode = info.st_ino;
  state.links = info.st_nlink;
  state.mode = info.st_mode;
  state.modified = info.st_mtim;
  state.changed = info.st_ctim;
  return state;
}

// The photo as a camera would leave it: read-only for others, dated 2005.
std::string MakePhoto(const TempFolder& folder) {
  const std::string path = folder / "DSC_0001.JPG";
  std::ofstream(path, std::ios::binary) << MakeSamplePhoto(SamplePhotoOptions{});
  std::filesystem::permissions(path, std::filesystem::perms(0640));
  const timespec taken[2] = {{1117612800, 0}, {1117612800, 0}};
  EXPECT_EQ(::utimensat(AT_FDCWD, path.c_str(), taken, 0), 0);
  return path;
}

// The document's side of a window session: open and read, open again (which
// reads nothing), store (which writes nothing), a new document, open again
// after it (which reads again), then the document goes away.
void DocumentSession(const std::string& photo, FileWatch& watch) {
  captureState = {};
  MessageCapture shown;
  {
    CTarvonel6Doc document;
    ASSERT_TRUE(OpenDocumentFile(document, photo));
    EXPECT_EQ(AnalyseCapture(captureState.captureBuffer).shutterCount, 23456u);
    const int readsAfterFirstOpen = watch.Events().reads;
    EXPECT_GT(readsAfterFirstOpen, 0);

    ASSERT_TRUE(OpenDocumentFile(document, photo));
    EXPECT_EQ(watch.Events().reads, readsAfterFirstOpen) << "opening the same path read it again";

    CFile file;
    ASSERT_FALSE(file.Open(photo).has_value());
    CArchive archive(file, CArchive::store);
    document.Serialize(archive);
    file.Close();

    NewDocument(document);
    EXPECT_EQ(document.GetTitle(), "sans nom");
    ASSERT_TRUE(OpenDocumentFile(document, photo));
    EXPECT_GT(watch.Events().reads, readsAfterFirstOpen);
  }
  EXPECT_TRUE(shown.messages.empty());
}

// The window, as the user drives it: started with the photo (opened, read and
// painted), the photo opened again (nothing read), Ctrl+S, Ctrl+N, then the
// quit command and the exit steps, which write the settings elsewhere.
void WindowSession(const std::string& photo, FileWatch& watch) {
  const TempFolder config;
  ::setenv("XDG_CONFIG_HOME", config.Path().c_str(), 1);
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                     QString::fromStdString(config.Path().string()));
  captureState = {};
  MessageCapture shown;
  CTarvonel6App app;
  app.SetCommandLine({photo});
  ASSERT_TRUE(app.InitInstance());
  CFrameWnd* frame = app.m_pMainWnd;
  frame->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(frame));
  frame->GetViewWidget()->grab();
  const int reads = watch.Events().reads;
  EXPECT_GT(reads, 0);

  EXPECT_NE(app.OpenDocumentFile(photo), nullptr);
  EXPECT_EQ(watch.Events().reads, reads) << "opening the same path read it again";
  QTest::keySequence(frame, QKeySequence("Ctrl+S"));
  QTest::keySequence(frame, QKeySequence("Ctrl+N"));
  EXPECT_EQ(frame->windowTitle().toStdString(), "sans nom - Tarvonel6");
  frame->GetCommandAction(ID_APP_EXIT)->trigger();
  QCoreApplication::processEvents();
  EXPECT_FALSE(frame->isVisible());
  app.ExitInstance();
  EXPECT_TRUE(shown.messages.empty());
}

// The same document opened through a quoted symbolic link: the photo behind
// it is read, the link followed, nothing written to either.
void LinkSession(const std::string& photo, FileWatch&) {
  captureState = {};
  const std::string link = std::filesystem::path(photo).parent_path() / "link.jpg";
  std::filesystem::create_symlink(photo, link);
  CTarvonel6Doc document;
  ASSERT_TRUE(OpenDocumentFile(document, "\"" + link + "\""));
  EXPECT_EQ(document.GetPathName(), photo);
}

// The command-line program, in each of its ways of reporting.
void CliSession(const std::string& photo, FileWatch&) {
  const std::string picture = std::filesystem::path(photo).parent_path() / "report.png";
  for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
           {photo}, {"--json", photo}, {"--render", picture, photo}}) {
    const ProgramRun run = RunProgram(TARVONEL6_CLI, args);
    EXPECT_EQ(run.exitCode, 0) << args.front() << ": " << run.err;
  }
}

TEST(PhotoNeverWritten, NoSessionChangesThePhotoOrOpensItForWriting) {
  struct Row {
    const char* name;
    std::function<void(const std::string&, FileWatch&)> session;
  };
  const Row rows[] = {
      {"open, read, open again, store, new document, open again, close", DocumentSession},
      {"the window: start with it, open again, Ctrl+S, Ctrl+N, quit", WindowSession},
      {"opened through a quoted symbolic link", LinkSession},
      {"tarvonel6-cli as text, as JSON and as a picture", CliSession},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    const TempFolder folder;
    const std::string photo = MakePhoto(folder);
    const PhotoState before = StateOf(photo);
    FileWatch watch(photo);
    ASSERT_TRUE(watch.IsWatching());

    row.session(photo, watch);
    const FileEvents events = watch.Events();  // before reading the photo here

    const PhotoState after = StateOf(photo);
    EXPECT_EQ(after.bytes, before.bytes);
    EXPECT_EQ(after.size, before.size);
    EXPECT_EQ(after.inode, before.inode);
    EXPECT_EQ(after.links, before.links);
    EXPECT_EQ(after.mode, before.mode);
    EXPECT_TRUE(after.modified == before.modified);
    EXPECT_TRUE(after.changed == before.changed);
    EXPECT_FALSE(events.overflowed);
    EXPECT_GT(events.opens, 0);
    EXPECT_GT(events.reads, 0);
    EXPECT_EQ(events.closedUnwritten, events.opens) << "an open was not closed, or was for writing";
    EXPECT_EQ(events.closedWritable, 0);
    EXPECT_EQ(events.modifications, 0);
    EXPECT_EQ(events.attributeChanges, 0);
    EXPECT_EQ(events.movedOrDeleted, 0);
  }
}

}  // namespace
