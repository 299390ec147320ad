// The open sequence as a document sees it: which path a typed or picked path
// stands for, when a file is read, what an empty or already open file does,
// and how a document recovers when reading fails part-way.

#include "framework/CArchive.h"
#include "framework/CDocument.h"
#include "framework/OpenSequence.h"
#include "tests/framework/TestFiles.h"

#include <gtest/gtest.h>

#include <functional>
#include <new>
#include <stdexcept>

namespace {

using testfiles::MessageCapture;
using testfiles::OpenDescriptorCount;
using testfiles::PatternBytes;
using testfiles::TempFolder;
using testfiles::WriteFile;

// A document that records what the framework asks of it.
class ProbeDocument : public CDocument {
 public:
  bool OnNewDocument() override {
    ++newDocuments;
    return CDocument::OnNewDocument();
  }
  void Serialize(CArchive& archive) override {
    ++loads;
    wasLoading = archive.IsLoading();
    bytesRead.assign(4000, 0);
    bytesRead.resize(archive.GetFile().Read(bytesRead.data(), bytesRead.size()));
    if (failAfterReading) failAfterReading();
  }

  int loads = 0;
  int newDocuments = 0;
  bool wasLoading = false;
  std::vector<std::uint8_t> bytesRead;
  std::function<void()> failAfterReading;
};

// Works in another folder for as long as it lives, for relative paths.
class InFolder {
 public:
  explicit InFolder(const std::filesystem::path& folder)
      : previous_(std::filesystem::current_path()) {
    std::filesystem::current_path(folder);
  }
  ~InFolder() {
    std::error_code ignored;
    std::filesystem::current_path(previous_, ignored);
  }

 private:
  std::filesystem::path previous_;
};

// photo.jpg (10 bytes), "été 2024.jpg", other.jpg, a file whose name ends in
// a quote, links to photo.jpg, a sub-folder, a link to the folder itself and an
// empty file.
void MakePhotos(const TempFolder& folder) {
  WriteFile(folder / "photo.jpg", PatternBytes(10, 1));
  WriteFile(folder / "été 2024.jpg", PatternBytes(20, 2));
  WriteFile(folder / "other.jpg", PatternBytes(30, 3));
  WriteFile(folder / "empty.jpg", {});
  WriteFile(folder / "cheese\"", PatternBytes(40, 4));
  std::filesystem::create_directory(folder / "sub");
  std::filesystem::create_symlink("photo.jpg", folder / "link.jpg");
  std::filesystem::create_symlink("link.jpg", folder / "link-to-link.jpg");
  std::filesystem::create_directory_symlink(".", folder / "here");
}

TEST(OpenSequence, AnyWayOfNamingAFileLoadsThatFile) {
  struct Row {
    const char* name;
    std::function<std::string(const TempFolder&)> given;
    const char* loads;  // the file, inside the folder, that must be read
  };
  const Row rows[] = {
      {"absolute", [](const TempFolder& f) { return f / "photo.jpg"; }, "photo.jpg"},
      {"quoted", [](const TempFolder& f) { return "\"" + (f / "photo.jpg") + "\""; }, "photo.jpg"},
      {"quoted with spaces and accents",
       [](const TempFolder& f) { return "\"" + (f / "été 2024.jpg") + "\""; }, "été 2024.jpg"},
      {"relative", [](const TempFolder&) { return std::string("photo.jpg"); }, "photo.jpg"},
      {"relative through ..", [](const TempFolder&) { return std::string("sub/../other.jpg"); },
       "other.jpg"},
      {"a lone quote belongs to the name", [](const TempFolder& f) { return f / "cheese\""; },
       "cheese\""},
      {"symbolic link", [](const TempFolder& f) { return f / "link.jpg"; }, "photo.jpg"},
      {"link to a link", [](const TempFolder& f) { return f / "link-to-link.jpg"; }, "photo.jpg"},
      {"absolute through a linked folder",
       [](const TempFolder& f) { return f / "here/here/photo.jpg"; }, "photo.jpg"},
      {"absolute with . and ..", [](const TempFolder& f) { return f / "sub/.././photo.jpg"; },
       "photo.jpg"},
      {"absolute with doubled slashes",
       [](const TempFolder& f) {
         std::string path = f / "";
         path += "/photo.jpg";
         return path;
       },
       "photo.jpg"},
  };
  TempFolder folder;
  MakePhotos(folder);
  InFolder inFolder(folder.Path());
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    ProbeDocument document;
    MessageCapture shown;
    const std::size_t descriptors = OpenDescriptorCount();

    EXPECT_TRUE(OpenDocumentFile(document, row.given(folder)));

    const std::string expected = folder / row.loads;
    EXPECT_EQ(document.GetPathName(), expected);
    EXPECT_EQ(document.GetTitle(), row.loads);
    EXPECT_EQ(document.loads, 1);
    EXPECT_TRUE(document.wasLoading);
    EXPECT_FALSE(document.IsModified());
    std::vector<std::uint8_t> content(std::filesystem::file_size(expected));
    std::ifstream(expected, std::ios::binary)
        .read(reinterpret_cast<char*>(content.data()), static_cast<std::streamsize>(content.size()));
    EXPECT_EQ(document.bytesRead, content);
    EXPECT_TRUE(shown.messages.empty());
    EXPECT_EQ(OpenDescriptorCount(), descriptors);
  }
}

// Once a file is open, naming it again in any spelling reads nothing, even
// though it changed on disk; another file is read as usual.
TEST(OpenSequence, TheFileAlreadyOpenIsNotReadAgain) {
  struct Row {
    const char* name;
    std::function<std::string(const TempFolder&)> given;
    int loadsAfter;
  };
  const Row rows[] = {
      {"same path", [](const TempFolder& f) { return f / "photo.jpg"; }, 1},
      {"quoted", [](const TempFolder& f) { return "\"" + (f / "photo.jpg") + "\""; }, 1},
      {"relative", [](const TempFolder&) { return std::string("photo.jpg"); }, 1},
      {"through a link", [](const TempFolder& f) { return f / "link.jpg"; }, 1},
      {"another file", [](const TempFolder& f) { return f / "other.jpg"; }, 2},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    TempFolder folder;
    MakePhotos(folder);
    InFolder inFolder(folder.Path());
    ProbeDocument document;
    ASSERT_TRUE(OpenDocumentFile(document, folder / "photo.jpg"));
    const std::vector<std::uint8_t> firstRead = document.bytesRead;
    WriteFile(folder / "photo.jpg", PatternBytes(50, 9));
    MessageCapture shown;

    EXPECT_TRUE(OpenDocumentFile(document, row.given(folder)));

    EXPECT_EQ(document.loads, row.loadsAfter);
    if (row.loadsAfter == 1) {
      EXPECT_EQ(document.bytesRead, firstRead);
    }
    EXPECT_TRUE(shown.messages.empty());
  }
}

// An empty file is opened and titled, but never handed to the document.
TEST(OpenSequence, AnEmptyFileIsOpenedButNotRead) {
  TempFolder folder;
  MakePhotos(folder);
  ProbeDocument document;
  ASSERT_TRUE(OpenDocumentFile(document, folder / "photo.jpg"));
  MessageCapture shown;

  EXPECT_TRUE(OpenDocumentFile(document, folder / "empty.jpg"));

  EXPECT_EQ(document.loads, 1);
  EXPECT_EQ(document.GetPathName(), folder / "empty.jpg");
  EXPECT_EQ(document.GetTitle(), "empty.jpg");
  EXPECT_FALSE(document.IsModified());
  EXPECT_TRUE(shown.messages.empty());
}

// A failure while the document reads shows one message, closes the file and
// leaves the document untitled, as the new command would.
TEST(OpenSequence, AFailedReadLeavesAnUntitledDocument) {
  struct Row {
    const char* name;
    std::function<void(const std::string& path)> fail;
    const char* message;
  };
  const Row rows[] = {
      {"read error",
       [](const std::string& path) {
         throw CFileException(CFileException::Cause::hardIO, path, EIO);
       },
       "Une erreur d'E/S matérielle a été reportée lors de l'accès à %1."},
      {"out of memory", [](const std::string&) { throw std::bad_alloc(); },
       "L'ouverture du document a échoué."},
      {"any other exception", [](const std::string&) { throw std::runtime_error("x"); },
       "L'ouverture du document a échoué."},
      {"not even an exception", [](const std::string&) { throw 42; },
       "L'ouverture du document a échoué."},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    TempFolder folder;
    MakePhotos(folder);
    ProbeDocument document;
    ASSERT_TRUE(OpenDocumentFile(document, folder / "photo.jpg"));
    const std::string path = folder / "other.jpg";
    document.failAfterReading = [&] { row.fail(path); };
    MessageCapture shown;
    const std::size_t descriptors = OpenDescriptorCount();

    EXPECT_FALSE(OpenDocumentFile(document, path));

    EXPECT_EQ(shown.messages, std::vector<std::string>{testfiles::WithPath(row.message, path)});
    EXPECT_EQ(shown.icons, std::vector<MessageIcon>{MessageIcon::Exclamation});
    EXPECT_EQ(document.loads, 2);
    EXPECT_EQ(document.newDocuments, 1);
    EXPECT_EQ(document.GetPathName(), "");
    EXPECT_EQ(document.GetTitle(), "sans nom");
    EXPECT_FALSE(document.IsModified());
    EXPECT_EQ(OpenDescriptorCount(), descriptors);
  }
}

TEST(OpenSequence, NewDocumentIsUntitledWithNoPath) {
  TempFolder folder;
  MakePhotos(folder);
  ProbeDocument document;
  ASSERT_TRUE(OpenDocumentFile(document, folder / "photo.jpg"));

  NewDocument(document);

  EXPECT_EQ(document.GetTitle(), "sans nom");
  EXPECT_EQ(document.GetPathName(), "");
  EXPECT_EQ(document.newDocuments, 1);
  EXPECT_FALSE(document.IsModified());
  // With no path, the file last shown is an ordinary new open.
  EXPECT_TRUE(OpenDocumentFile(document, folder / "photo.jpg"));
  EXPECT_EQ(document.loads, 2);
}

}  // namespace
