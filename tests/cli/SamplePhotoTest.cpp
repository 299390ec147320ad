// The sample photo generator: the committed sample is what it writes, and
// every variant is a JPEG that an ordinary decoder reads.

#include "tools/SamplePhoto.h"

#include <QByteArray>
#include <QImage>

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

namespace {

TEST(SamplePhoto, CommittedSampleIsRegenerated) {
  std::ifstream in(TARVONEL6_SAMPLE_D70, std::ios::binary);
  ASSERT_TRUE(in) << TARVONEL6_SAMPLE_D70;
  const std::string committed{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  EXPECT_EQ(MakeSamplePhoto(SamplePhotoOptions{}), committed)
      << "run make-sample-photo samples/sample-d70.jpg after changing the generator";
}

TEST(SamplePhoto, EveryVariantDecodesAsAGreyImage) {
  const struct {
    const char* name;
    SamplePhotoOptions options;
  } rows[] = {
      {"d70", {}},
      {"pkg-little-endian", {.model = "NIKON D7000", .serialStyle = SerialStyle::Pkg,
                             .makerNoteOrder = ByteOrder::LittleEndian}},
      {"jfif-no-serial", {.model = "NIKON D200", .serialStyle = SerialStyle::None,
                          .jfifFirst = true}},
      {"no-model-no-count", {.model = "", .firmware = "", .shutterCount = std::nullopt}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    const std::string bytes = MakeSamplePhoto(row.options);
    QImage image;
    ASSERT_TRUE(image.loadFromData(QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())),
                                   "JPEG"));
    EXPECT_EQ(image.size(), QSize(8, 8));
    EXPECT_EQ(qGray(image.pixel(3, 5)), 128);
  }
}

}  // namespace
