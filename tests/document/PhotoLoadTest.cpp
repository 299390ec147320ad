// Loading photos into the capture buffer: what the buffer holds after each
// kind of file, and what the empty file, the file already open and the new
// command leave alone.

#include "document/CTarvonel6Doc.h"
#include "document/CaptureState.h"
#include "framework/CArchive.h"
#include "framework/OpenSequence.h"
#include "tests/framework/TestFiles.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using testfiles::MessageCapture;
using testfiles::PatternBytes;
using testfiles::TempFolder;
using testfiles::WriteFile;

// Checks that the buffer holds the first min(size, 4000) bytes of content and
// zeros everywhere after them.
void ExpectCaptureOf(const std::vector<std::uint8_t>& content) {
  const std::size_t n = std::min<std::size_t>(content.size(), 4000);
  const auto& buffer = captureState.captureBuffer;
  EXPECT_TRUE(std::equal(content.begin(), content.begin() + static_cast<std::ptrdiff_t>(n),
                         buffer.begin()));
  EXPECT_TRUE(std::all_of(buffer.begin() + static_cast<std::ptrdiff_t>(n), buffer.end(),
                          [](std::uint8_t b) { return b == 0; }))
      << "non-zero byte after position " << n;
}

TEST(PhotoLoad, TheBufferHoldsTheLastFilesFirstBytesAndZerosAfter) {
  struct Row {
    const char* name;
    std::vector<std::size_t> sizes;  // files opened in turn; the last one counts
  };
  const Row rows[] = {
      {"10 bytes", {10}},
      {"exactly 4000 bytes", {4000}},
      {"4001 bytes", {4001}},
      {"several megabytes", {5u << 20}},
      {"3000 bytes after 4000", {4000, 3000}},
      {"1 byte after several megabytes", {5u << 20, 1}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    TempFolder folder;
    captureState = {};
    CTarvonel6Doc document;
    MessageCapture shown;
    std::vector<std::uint8_t> content;
    std::string name;
    for (std::size_t i = 0; i < row.sizes.size(); ++i) {
      name = "photo" + std::to_string(i) + ".jpg";
      content = PatternBytes(row.sizes[i], static_cast<std::uint8_t>(i + 1));
      WriteFile(folder / name, content);
      ASSERT_TRUE(OpenDocumentFile(document, folder / name));
    }
    EXPECT_EQ(captureState.photoLoaded, 1);
    ExpectCaptureOf(content);
    EXPECT_EQ(document.GetTitle(), name);
    EXPECT_TRUE(shown.messages.empty());
  }
}

// An empty file takes the title but reads nothing: the capture (and the flag)
// stay as they were, whether or not a photo came before.
TEST(PhotoLoad, AnEmptyFileLeavesTheCaptureAsItWas) {
  struct Row {
    const char* name;
    std::size_t photoBefore;  // 0: the empty file is the first of the run
  };
  const Row rows[] = {{"first file of the run", 0}, {"after a photo", 100}};
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    TempFolder folder;
    captureState = {};
    CTarvonel6Doc document;
    const std::vector<std::uint8_t> photo = PatternBytes(row.photoBefore, 7);
    if (row.photoBefore != 0) {
      WriteFile(folder / "photo.jpg", photo);
      ASSERT_TRUE(OpenDocumentFile(document, folder / "photo.jpg"));
    }
    WriteFile(folder / "empty.jpg", {});

    EXPECT_TRUE(OpenDocumentFile(document, folder / "empty.jpg"));

    EXPECT_EQ(captureState.photoLoaded, row.photoBefore != 0 ? 1 : 0);
    ExpectCaptureOf(photo);
    EXPECT_EQ(document.GetTitle(), "empty.jpg");
  }
}

TEST(PhotoLoad, TheFileAlreadyOpenIsNotReadAgainEvenIfChanged) {
  TempFolder folder;
  captureState = {};
  CTarvonel6Doc document;
  const std::vector<std::uint8_t> before = PatternBytes(10, 1);
  WriteFile(folder / "photo.jpg", before);
  ASSERT_TRUE(OpenDocumentFile(document, folder / "photo.jpg"));
  WriteFile(folder / "photo.jpg", PatternBytes(3000, 2));

  EXPECT_TRUE(OpenDocumentFile(document, folder / "photo.jpg"));

  ExpectCaptureOf(before);
}

// The new command renames the document only; the last photo's capture stays
// for the view to go on painting.
TEST(PhotoLoad, NewDocumentKeepsTheLastCapture) {
  TempFolder folder;
  captureState = {};
  CTarvonel6Doc document;
  const std::vector<std::uint8_t> photo = PatternBytes(500, 3);
  WriteFile(folder / "photo.jpg", photo);
  ASSERT_TRUE(OpenDocumentFile(document, folder / "photo.jpg"));

  NewDocument(document);

  EXPECT_EQ(document.GetTitle(), "sans nom");
  EXPECT_EQ(document.GetPathName(), "");
  EXPECT_EQ(captureState.photoLoaded, 1);
  ExpectCaptureOf(photo);
}

// The flag goes up and the old capture is cleared before the read, so a read
// that fails leaves the flag at 1 and nothing of the previous photo.
TEST(PhotoLoad, AFailedReadStillRaisesTheFlagAndClearsTheBuffer) {
  captureState = {};
  captureState.captureBuffer.fill(0xAB);
  CTarvonel6Doc document;
  CFile notOpen;
  CArchive archive(notOpen, CArchive::load);

  EXPECT_THROW(document.Serialize(archive), CFileException);

  EXPECT_EQ(captureState.photoLoaded, 1);
  ExpectCaptureOf({});
}

}  // namespace
