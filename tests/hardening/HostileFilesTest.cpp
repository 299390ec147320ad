// Files a stranger could hand over instead of a photo, opened both through the
// open sequence (as the window opens them) and by tarvonel6-cli --json: each
// gets its French message or its documented outcome, nothing hangs, nothing
// crashes, no descriptor is left open, and a refused file leaves the photo
// shown before exactly as it was.

#include "RunProgram.h"
#include "tests/framework/WriterProcess.h"
#include "analysis/AnalyseCapture.h"
#include "document/CTarvonel6Doc.h"
#include "document/CaptureState.h"
#include "framework/CFile.h"
#include "framework/OpenSequence.h"
#include "tests/framework/TestFiles.h"
#include "tools/SamplePhoto.h"

#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <memory>

namespace {

using testfiles::MessageCapture;
using testfiles::OpenDescriptorCount;
using testfiles::TempFolder;
using testfiles::WithPath;

enum class Route { OpenSequence, Cli };
enum class Outcome { Refused, Loaded, Empty };

// What a row sets up for one route: the path to open, what must live while it
// is opened (a child process), and for the open sequence an action run after
// the file is open and before it is read.
struct Prepared {
  std::string path;
  std::shared_ptr<void> keepAlive = nullptr;
  std::function<void()> betweenOpenAndRead = nullptr;
};

struct Row {
  const char* name;
  std::function<Prepared(const TempFolder&, Route)> prepare;
  Outcome outcome;
  std::string message = "";       // Refused: the French text, "%1" for the path
  std::string captureStart = "";  // Loaded: the bytes the capture begins with, zeros after
  bool cliSeesAnyLength = false;  // the file changes under the CLI: any prefix is right
};

const std::string kPhoto = MakeSamplePhoto(SamplePhotoOptions{});

std::string Write(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
  return path;
}

// A unix socket file at path; the file stays after its descriptor is closed.
std::string MakeSocket(const std::string& path) {
  const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  path.copy(address.sun_path, sizeof(address.sun_path) - 1);
  EXPECT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof(address)), 0);
  ::close(fd);
  return path;
}

// The photo followed by a hole: 10 GB long, of which only the first few
// hundred bytes are on disk.
std::string MakeSparse(const std::string& path) {
  Write(path, kPhoto);
  EXPECT_EQ(::truncate(path.c_str(), off_t{10} << 30), 0);
  return path;
}

// Text as JSON carries it: each byte that is not UTF-8 becomes U+FFFD.
std::string AsUtf8(const std::string& bytes) { return QString::fromUtf8(bytes).toStdString(); }

// The capture a loaded row must leave: its bytes from position 0, then zeros.
std::array<std::uint8_t, kCaptureSize> CaptureOf(const std::string& start) {
  std::array<std::uint8_t, kCaptureSize> capture{};
  std::copy_n(start.begin(), std::min(start.size(), kCaptureReadSize), capture.begin());
  return capture;
}

// Opens the row's file after a photo was loaded into the same document, as
// the window would, and checks what became of the capture and the document.
void CheckOpenSequence(const Row& row) {
  const TempFolder folder;
  captureState = {};
  CTarvonel6Doc document;
  const std::string previous = Write(folder / "previous.jpg", std::string(100, 'p'));
  ASSERT_TRUE(OpenDocumentFile(document, previous));
  const CaptureState before = captureState;
  const Prepared prepared = row.prepare(folder, Route::OpenSequence);
  MessageCapture shown;
  const std::size_t descriptors = OpenDescriptorCount();

  bool opened = false;
  if (prepared.betweenOpenAndRead) {
    CFile file;
    ASSERT_FALSE(file.Open(prepared.path).has_value());
    prepared.betweenOpenAndRead();
    opened = document.OnOpenDocument(file);
  } else {
    opened = OpenDocumentFile(document, prepared.path);
  }

  EXPECT_EQ(OpenDescriptorCount(), descriptors);
  EXPECT_EQ(opened, row.outcome != Outcome::Refused);
  if (row.outcome == Outcome::Refused) {
    EXPECT_EQ(shown.messages, std::vector<std::string>{WithPath(row.message, prepared.path)});
    EXPECT_EQ(document.GetPathName(), previous);
  } else {
    EXPECT_TRUE(shown.messages.empty());
  }
  if (row.outcome == Outcome::Loaded) {
    EXPECT_EQ(captureState.photoLoaded, 1);
    EXPECT_EQ(captureState.captureBuffer, CaptureOf(row.captureStart));
  } else {
    EXPECT_EQ(captureState.photoLoaded, before.photoLoaded);
    EXPECT_EQ(captureState.captureBuffer, before.captureBuffer);
  }
}

// Runs tarvonel6-cli --json on the row's file: one JSON line naming the path
// (bytes that are not UTF-8 shown as U+FFFD), the error or the report, and the
// exit code that goes with it.
void CheckCli(const Row& row) {
  const TempFolder folder;
  const Prepared prepared = row.prepare(folder, Route::Cli);
  const ProgramRun run = RunProgram(TARVONEL6_CLI, {"--json", prepared.path});
  ASSERT_FALSE(run.timedOut);
  ASSERT_EQ(run.signal, 0) << run.err;
  EXPECT_EQ(run.exitCode, row.outcome == Outcome::Refused ? 1 : 0) << run.err;
  ASSERT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), 1) << run.out;
  QJsonParseError parseError;
  const QJsonObject json =
      QJsonDocument::fromJson(QByteArray::fromStdString(run.out), &parseError).object();
  ASSERT_EQ(parseError.error, QJsonParseError::NoError) << run.out;
  EXPECT_EQ(json["path"].toString().toStdString(), AsUtf8(prepared.path));
  EXPECT_EQ(json["loaded"].toBool(), row.outcome == Outcome::Loaded);
  if (row.outcome == Outcome::Refused) {
    EXPECT_EQ(json["error"].toString().toStdString(), AsUtf8(WithPath(row.message, prepared.path)));
  } else {
    EXPECT_FALSE(json.contains("error")) << run.out;
    EXPECT_EQ(run.err, "");
  }
  if (row.outcome == Outcome::Loaded && !row.cliSeesAnyLength) {
    const PhotoReport report = AnalyseCapture(CaptureOf(row.captureStart));
    EXPECT_EQ(json["modelFound"].toBool(), report.modelFound);
    EXPECT_EQ(json["shutterCount"].toInt(-1), report.modelFound ? int(report.shutterCount) : -1);
  }
}

// A row whose file is made the same way for both routes.
std::function<Prepared(const TempFolder&, Route)> Same(
    std::function<Prepared(const TempFolder&)> make) {
  return [make](const TempFolder& folder, Route) { return make(folder); };
}

TEST(HostileFiles, EachGetsItsMessageOrOutcomeThroughTheWindowAndTheCli) {
  const std::string notFound = "Impossible de trouver %1.";
  const std::string badPath = "%1 contient un chemin non valide.";
  const std::string invalid = "Un descripteur de fichier non valide a été associé à %1.";
  const std::string denied = "L'accès à %1 a été refusé.";
  const std::string sharing = "Une violation de partage s'est produite lors de l'accès à %1.";
  const Row rows[] = {
      {"missing", Same([](auto& f) { return Prepared{f / "missing.jpg"}; }), Outcome::Refused,
       notFound},
      {"folder", Same([](auto& f) {
         std::filesystem::create_directory(f / "folder.jpg");
         return Prepared{f / "folder.jpg"};
       }),
       Outcome::Refused, denied},
      {"FIFO", Same([](auto& f) {
         ::mkfifo((f / "fifo.jpg").c_str(), 0600);
         return Prepared{f / "fifo.jpg"};
       }),
       Outcome::Refused, invalid},
      {"socket", Same([](auto& f) { return Prepared{MakeSocket(f / "socket.jpg")}; }),
       Outcome::Refused, invalid},
      {"/dev/zero", Same([](auto&) { return Prepared{"/dev/zero"}; }), Outcome::Refused, invalid},
      {"/dev/null", Same([](auto&) { return Prepared{"/dev/null"}; }), Outcome::Refused, invalid},
      {"dangling link", Same([](auto& f) {
         std::filesystem::create_symlink("nowhere.jpg", f / "dangling.jpg");
         return Prepared{f / "dangling.jpg"};
       }),
       Outcome::Refused, notFound},
      {"looping link", Same([](auto& f) {
         std::filesystem::create_symlink("loop-b.jpg", f / "loop-a.jpg");
         std::filesystem::create_symlink("loop-a.jpg", f / "loop-b.jpg");
         return Prepared{f / "loop-a.jpg"};
       }),
       Outcome::Refused, badPath},
      {"path through a file", Same([](auto& f) {
         return Prepared{Write(f / "plain.jpg", kPhoto) + "/photo.jpg"};
       }),
       Outcome::Refused, badPath},
      {"name too long", Same([](auto& f) { return Prepared{f / (std::string(256, 'n') + ".jpg")}; }),
       Outcome::Refused, badPath},
      {"path too long", Same([](auto& f) {
         std::string path = f.Path().string();
         while (path.size() <= 4096) path += "/" + std::string(200, 'd');
         return Prepared{path + "/photo.jpg"};
       }),
       Outcome::Refused, badPath},
      {"missing, name not UTF-8", Same([](auto& f) { return Prepared{f / "gone-\xff\xfe.jpg"}; }),
       Outcome::Refused, notFound},
      {"photo, name not UTF-8",
       Same([](auto& f) { return Prepared{Write(f / "caf\xe9-\xc3.jpg", kPhoto)}; }),
       Outcome::Loaded, "", kPhoto},
      {"empty file", Same([](auto& f) { return Prepared{Write(f / "empty.jpg", "")}; }),
       Outcome::Empty},
      {"one byte", Same([](auto& f) { return Prepared{Write(f / "one.jpg", "N")}; }),
       Outcome::Loaded, "", "N"},
      {"sparse 10 GB", Same([](auto& f) { return Prepared{MakeSparse(f / "sparse.jpg")}; }),
       Outcome::Loaded, "", kPhoto},
      // Through the open sequence the file is cut to 10 bytes after it was
      // opened and before it is read; the CLI reads it while another process
      // keeps cutting it and writing it back, so it may find any length.
      {"shrinks between open and read",
       [](const TempFolder& f, Route route) {
         const std::string path = Write(f / "shrinking.jpg", kPhoto);
         if (route == Route::Cli) return Prepared{path, std::make_shared<FileShrinker>(path, 10)};
         return Prepared{path, nullptr, [path] { ASSERT_EQ(::truncate(path.c_str(), 10), 0); }};
       },
       Outcome::Loaded, "", kPhoto.substr(0, 10), true},
      {"write-locked by another process", Same([](auto& f) {
         const std::string path = Write(f / "locked.jpg", kPhoto);
         auto holder = std::make_shared<WriteLockHolder>(path);
         EXPECT_TRUE(holder->Locked());
         return Prepared{path, holder};
       }),
       Outcome::Refused, sharing},
  };
  // A FIFO or a device that made the open sequence wait would end the run
  // here instead of hanging it; the CLI has a time limit of its own.
  ::alarm(120);
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    {
      SCOPED_TRACE("open sequence");
      CheckOpenSequence(row);
    }
    {
      SCOPED_TRACE("tarvonel6-cli --json");
      CheckCli(row);
    }
  }
  ::alarm(0);
}

}  // namespace
