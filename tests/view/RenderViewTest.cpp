// Rendering the view into a PNG file: the file written, and the errors
// returned instead of thrown.

#include "document/CaptureState.h"
#include "view/RenderView.h"

#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

TEST(RenderView, WritesAPngOfTheSizeAskedFor) {
  captureState = CaptureState{};
  QTemporaryDir folder;
  ASSERT_TRUE(folder.isValid());
  struct Row {
    const char* name;
    QSize size;
  };
  const Row rows[] = {{"default", kViewClientSize}, {"one pixel", {1, 1}}, {"wide", {1200, 40}}};
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    const std::string path = folder.filePath(QString("%1.png").arg(row.name)).toStdString();
    ASSERT_EQ(RenderView(path, row.size), RenderError::None);
    const QImage image(QString::fromStdString(path), "PNG");
    EXPECT_EQ(image.size(), row.size);
    EXPECT_EQ(image.pixel(0, 0), qRgb(0, 0, 0));  // the outline's corner
  }
}

TEST(RenderView, FailuresAreReturnedAsValues) {
  QTemporaryDir folder;
  struct Row {
    const char* name;
    std::string path;
    QSize size;
    RenderError expected;
  };
  const Row rows[] = {
      {"zero width", folder.filePath("a.png").toStdString(), {0, 10}, RenderError::BadSize},
      {"negative", folder.filePath("a.png").toStdString(), {-5, -5}, RenderError::BadSize},
      {"too large", folder.filePath("a.png").toStdString(), {20000, 10}, RenderError::BadSize},
      {"no such folder", folder.filePath("none/a.png").toStdString(), {10, 10},
       RenderError::CannotWrite},
      {"a folder", folder.path().toStdString(), {10, 10}, RenderError::CannotWrite},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    const RenderError error = RenderView(row.path, row.size);
    EXPECT_EQ(error, row.expected);
    EXPECT_STRNE(RenderErrorText(error), "");
  }
}

}  // namespace
