// The open command: the open dialog's title, filter and limits, Cancel doing
// nothing, and a chosen file opening as one named on the command line does.

#include "WindowFixture.h"

#include "document/CaptureState.h"
#include "framework/CFileDialog.h"
#include "framework/CFrameWnd.h"
#include "framework/CToolBar.h"
#include "framework/CRecentFileList.h"
#include "resources/ResourceIds.h"

#include <QComboBox>
#include <QFileDialog>
#include <QTest>
#include <QToolButton>

#include <algorithm>
#include <iterator>

namespace apptests {
namespace {

class OpenDialogTest : public WindowTest {
 protected:
  // Clicks the toolbar's Open button and lets answer deal with the dialog.
  void ClickOpen(std::function<void(QFileDialog*)> answer) {
    auto* toolBar = dynamic_cast<CToolBar*>(Frame()->GetControlBar(AFX_IDW_TOOLBAR));
    QWidget* button = toolBar->widgetForAction(toolBar->actions()[0]);
    Frame()->OnIdleUpdateCmdUI();
    ASSERT_TRUE(button->isEnabled());
    NextModal modal([&](QWidget* dialog) {
      auto* fileDialog = qobject_cast<QFileDialog*>(dialog);
      ASSERT_NE(fileDialog, nullptr);
      answer(fileDialog);
    });
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_TRUE(modal.Seen());
  }
};

TEST_F(OpenDialogTest, TheDialogIsOuvrirWithTheOneFilterForAllFilesAndExistingFilesOnly) {
  StartApp();
  ClickOpen([](QFileDialog* dialog) {
    EXPECT_EQ(dialog->windowTitle().toStdString(), "Ouvrir");
    EXPECT_EQ(dialog->acceptMode(), QFileDialog::AcceptOpen);
    EXPECT_EQ(dialog->fileMode(), QFileDialog::ExistingFile);
    EXPECT_TRUE(dialog->testOption(QFileDialog::ReadOnly));  // nothing renamed or deleted
    EXPECT_EQ(dialog->nameFilters().size(), 1);
    auto* types = dialog->findChild<QComboBox*>("fileTypeCombo");
    ASSERT_NE(types, nullptr);
    ASSERT_EQ(types->count(), 1);
    EXPECT_EQ(types->itemText(0).toStdString(), "Tous les fichiers (*.*)");
    dialog->reject();
  });
}

TEST_F(OpenDialogTest, CancelChangesNothing) {
  const std::string photo = WritePhoto("d70.jpg");
  StartApp({photo});
  const CaptureState capture = captureState;
  ClickOpen([](QFileDialog* dialog) { dialog->reject(); });
  EXPECT_EQ(Frame()->windowTitle().toStdString(), "d70.jpg - Tarvonel6");
  EXPECT_TRUE(std::equal(std::begin(capture.captureBuffer), std::end(capture.captureBuffer),
                         std::begin(captureState.captureBuffer)));
  EXPECT_TRUE(messages_.empty());
  EXPECT_TRUE(ReportPainted());
}

// Any name will do, with an extension or without one.
TEST_F(OpenDialogTest, AChosenFileOpensAndIsRecorded) {
  struct Row {
    const char* name;
    const char* title;
  };
  const Row rows[] = {
      {"d70.jpg", "d70.jpg - Tarvonel6"},
      {"DSC_0001.NEF", "DSC_0001.NEF - Tarvonel6"},
      {"sans-extension", "sans-extension - Tarvonel6"},
  };
  StartApp();
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    captureState = CaptureState{};
    const std::string photo = WritePhoto(row.name);
    ClickOpen([&](QFileDialog* dialog) {
      dialog->selectFile(QString::fromStdString(photo));
      static_cast<QDialog*>(dialog)->accept();  // the Open button
    });
    EXPECT_EQ(Frame()->windowTitle().toStdString(), row.title);
    EXPECT_EQ(captureState.photoLoaded, 1);
    EXPECT_TRUE(ReportPainted());
    EXPECT_EQ((*app_->GetRecentFileList())[0], photo);
  }
  EXPECT_TRUE(messages_.empty());
}

TEST_F(OpenDialogTest, AFilterShowsItsNameWhileItsPatternDecides) {
  struct Row {
    FileFilter filter;
    const char* written;
  };
  const Row rows[] = {
      {{"Tous les fichiers (*.*)", "*"}, "Tous les fichiers (*.*) (*)"},
      {{"Photos JPEG", "*.jpg"}, "Photos JPEG (*.jpg)"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.written);
    EXPECT_EQ(QtNameFilter(row.filter).toStdString(), row.written);
  }
}

}  // namespace
}  // namespace apptests
