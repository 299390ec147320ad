// The resources: every string the window asks for is in the table, the
// document string splits into its fields, and the embedded pictures are the
// bitmap and the icon the window expects.

#include "resources/DocumentString.h"
#include "resources/ResourceIds.h"
#include "resources/StringTable.h"
#include "resources/ToolbarResource.h"

#include <QByteArray>
#include <QFile>
#include <QImage>
#include <QImageReader>

#include <gtest/gtest.h>

#include <cstdint>

namespace {

TEST(ResourcesTest, StringPartsAreTheLinesOfAString) {
  struct Row {
    const char* text;
    std::size_t index;
    const char* part;
  };
  const Row rows[] = {
      {"prompt\ntooltip", 0, "prompt"}, {"prompt\ntooltip", 1, "tooltip"},
      {"prompt\ntooltip", 2, ""},       {"prompt only", 1, ""},
      {"\nafter an empty part", 1, "after an empty part"},
      {"", 0, ""},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.text);
    EXPECT_EQ(StringPart(row.text, row.index), row.part);
  }
}

TEST(ResourcesTest, TheDocumentStringSplitsIntoItsSevenFields) {
  struct Row {
    const char* name;
    std::string_view text;
    DocumentString fields;
  };
  const Row rows[] = {
      {"the main frame's", LoadResourceString(IDR_MAINFRAME),
       {"Tarvonel6", "", "Tarvon", "", "", "Tarvonel6.Document", "Tarvon Document"}},
      {"fewer fields leave the rest empty", "Title\nDoc", {"Title", "Doc", "", "", "", "", ""}},
      {"extra fields are ignored", "a\nb\nc\nd\ne\nf\ng\nh", {"a", "b", "c", "d", "e", "f", "g"}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    const DocumentString fields = ParseDocumentString(row.text);
    EXPECT_EQ(fields.windowTitle, row.fields.windowTitle);
    EXPECT_EQ(fields.docName, row.fields.docName);
    EXPECT_EQ(fields.fileNewName, row.fields.fileNewName);
    EXPECT_EQ(fields.filterName, row.fields.filterName);
    EXPECT_EQ(fields.filterExt, row.fields.filterExt);
    EXPECT_EQ(fields.regFileTypeId, row.fields.regFileTypeId);
    EXPECT_EQ(fields.regFileTypeName, row.fields.regFileTypeName);
  }
}

TEST(ResourcesTest, EveryCommandAndPaneOfTheWindowHasItsStrings) {
  const ToolbarResource* toolbar = FindToolbarResource(IDR_MAINFRAME);
  ASSERT_NE(toolbar, nullptr);
  for (unsigned command : toolbar->commands) {
    if (command == ID_SEPARATOR) continue;
    SCOPED_TRACE(command);
    EXPECT_FALSE(StringPart(LoadResourceString(command), 0).empty());
    EXPECT_FALSE(StringPart(LoadResourceString(command), 1).empty());
  }
  for (unsigned id : {AFX_IDS_APP_TITLE, AFX_IDS_IDLEMESSAGE, AFX_IDS_UNTITLED, ID_INDICATOR_CAPS,
                      ID_INDICATOR_NUM, ID_INDICATOR_SCRL, AFX_IDP_FAILED_TO_CREATE_DOC,
                      AFX_IDP_UNREG_DONE}) {
    SCOPED_TRACE(id);
    EXPECT_FALSE(LoadResourceString(id).empty());
  }
  EXPECT_TRUE(LoadResourceString(ID_USAGE).empty());
}

// A little-endian number of the given size at offset.
std::uint32_t Read(const QByteArray& bytes, int offset, int size) {
  std::uint32_t value = 0;
  for (int i = size - 1; i >= 0; --i) value = value << 8 | static_cast<std::uint8_t>(bytes[offset + i]);
  return value;
}

TEST(ResourcesTest, TheToolbarBitmapHoldsTwoImagesAtFourBitsAPixel) {
  const ToolbarResource* toolbar = FindToolbarResource(IDR_MAINFRAME);
  QFile file(QString::fromUtf8(toolbar->bitmapPath.data(), toolbar->bitmapPath.size()));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QByteArray bytes = file.readAll();
  ASSERT_GE(bytes.size(), 54);
  EXPECT_EQ(bytes.left(2), "BM");
  EXPECT_EQ(Read(bytes, 18, 4), 64u);  // width
  EXPECT_EQ(Read(bytes, 22, 4), 32u);  // height
  EXPECT_EQ(Read(bytes, 28, 2), 4u);   // bits a pixel
  const QImage image = QImage::fromData(bytes, "BMP");
  EXPECT_EQ(image.size(), QSize(64, 32));
  EXPECT_EQ(image.colorCount(), 16);
}

TEST(ResourcesTest, TheIconHoldsFourImagesOfTheirSizesAndDepths) {
  struct Image {
    std::uint32_t size;
    std::uint32_t bits;
  };
  const Image images[] = {{16, 4}, {16, 8}, {16, 32}, {32, 24}};
  const std::string_view path = FindIconResource(IDR_MAINFRAME);
  QFile file(QString::fromUtf8(path.data(), path.size()));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QByteArray bytes = file.readAll();
  ASSERT_GE(bytes.size(), 6 + 16 * 4);
  ASSERT_EQ(Read(bytes, 4, 2), 4u);
  for (int i = 0; i < 4; ++i) {
    SCOPED_TRACE(i);
    const int entry = 6 + 16 * i;
    EXPECT_EQ(Read(bytes, entry, 1), images[i].size);
    EXPECT_EQ(Read(bytes, entry + 1, 1), images[i].size);
    EXPECT_EQ(Read(bytes, entry + 6, 2), images[i].bits);
    const int header = static_cast<int>(Read(bytes, entry + 12, 4));
    ASSERT_LE(header + 16, bytes.size());
    EXPECT_EQ(Read(bytes, header + 14, 2), images[i].bits);
  }
  QImageReader reader(file.fileName());
  EXPECT_EQ(reader.imageCount(), 4);
  for (int i = 0; i < reader.imageCount(); ++i) {
    ASSERT_TRUE(reader.jumpToImage(i));
    EXPECT_EQ(reader.read().width(), static_cast<int>(images[i].size));
  }
}

}  // namespace
