// Files dropped on the window: the first local file goes through the open
// sequence as one chosen in the open dialog; anything else is refused.

#include "WindowFixture.h"

#include "document/CaptureState.h"
#include "framework/CFrameWnd.h"

#include <QApplication>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

namespace apptests {
namespace {

class FileDropTest : public WindowTest {};

TEST_F(FileDropTest, TheFirstLocalFileDroppedOpensAndAnythingElseIsRefused) {
  struct Row {
    const char* name;
    std::vector<std::string> urls;  // "{photo}", "{other}" and "{missing}" are files here
    const char* text;               // plain text besides, or null
    bool accepted;
    const char* title;
    bool missingMessage;
  };
  const Row rows[] = {
      {"a photo", {"{photo}"}, nullptr, true, "d70.jpg - Tarvonel6", false},
      {"two photos: the first opens", {"{other}", "{photo}"}, nullptr, true, "d90.jpg - Tarvonel6",
       false},
      {"a file that does not exist: its message", {"{missing}"}, nullptr, true, "sans nom - Tarvonel6",
       true},
      {"a web address", {"https://example.org/d70.jpg"}, nullptr, false, "sans nom - Tarvonel6", false},
      {"a web address before a photo", {"https://example.org/a.jpg", "{photo}"}, nullptr, false,
       "sans nom - Tarvonel6", false},
      {"text alone", {}, "/tmp/d70.jpg", false, "sans nom - Tarvonel6", false},
  };
  const std::string photo = WritePhoto("d70.jpg");
  const std::string other = WritePhoto("d90.jpg");
  const std::string missing = MissingFile("absent.jpg");
  StartApp();
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    messages_.clear();
    PressKeys(QKeySequence("Ctrl+N"));
    QMimeData data;
    QList<QUrl> urls;
    for (std::string url : row.urls) {
      if (url == "{photo}") url = "file://" + photo;
      if (url == "{other}") url = "file://" + other;
      if (url == "{missing}") url = "file://" + missing;
      urls.append(QUrl(QString::fromStdString(url)));
    }
    if (!urls.isEmpty()) data.setUrls(urls);
    if (row.text != nullptr) data.setText(row.text);

    QWidget* view = Frame()->GetViewWidget();
    const QPoint at(100, 100);
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(view, &enter);
    EXPECT_EQ(enter.isAccepted(), row.accepted);
    if (enter.isAccepted()) {
      QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
      QApplication::sendEvent(view, &drop);
      EXPECT_TRUE(drop.isAccepted());
    }
    ProcessPendingEvents();
    EXPECT_EQ(Frame()->windowTitle().toStdString(), row.title);
    if (row.missingMessage) {
      EXPECT_EQ(messages_, std::vector<std::string>{"Impossible de trouver " + missing + "."});
    } else {
      EXPECT_TRUE(messages_.empty());
    }
  }
}

}  // namespace
}  // namespace apptests
