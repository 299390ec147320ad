// The toolbar and the status bar of the main window: shown and hidden by their
// commands, tooltips and prompts, the lock-key panes, and bar resources that
// do not exist.

#include "AppFixture.h"

#include "app/CTarvonel6App.h"
#include "framework/CFrameWnd.h"
#include "framework/CStatusBar.h"
#include "framework/CToolBar.h"
#include "resources/ResourceIds.h"

#include <QAction>
#include <QApplication>
#include <QEnterEvent>
#include <QKeyEvent>
#include <QLayout>
#include <QMenuBar>
#include <QToolButton>

#include <memory>
#include <optional>

namespace apptests {
namespace {

class BarsTest : public AppTest {
 protected:
  void SetUp() override {
    AppTest::SetUp();
    app_ = std::make_unique<CTarvonel6App>();
    ASSERT_TRUE(app_->InitInstance());
    frame_ = app_->m_pMainWnd;
    toolBar_ = dynamic_cast<CToolBar*>(frame_->GetControlBar(AFX_IDW_TOOLBAR));
    statusBar_ = dynamic_cast<CStatusBar*>(frame_->GetControlBar(AFX_IDW_STATUS_BAR));
    ASSERT_NE(toolBar_, nullptr);
    ASSERT_NE(statusBar_, nullptr);
  }
  void TearDown() override {
    app_->ExitInstance();
    AppTest::TearDown();
  }

  // Where the view's top edge is once the frame has laid itself out again.
  int ViewTop() {
    frame_->layout()->activate();
    return frame_->GetViewWidget()->geometry().top();
  }

  std::unique_ptr<CTarvonel6App> app_;
  CFrameWnd* frame_ = nullptr;
  CToolBar* toolBar_ = nullptr;
  CStatusBar* statusBar_ = nullptr;
};

TEST_F(BarsTest, EachBarHidesAndShowsAgainWhereItWasByItsCommand) {
  struct Row {
    const char* name;
    unsigned command;
    std::optional<Qt::ToolBarArea> dockFirst;
  };
  const Row rows[] = {
      {"the toolbar at the top", ID_VIEW_TOOLBAR, std::nullopt},
      {"the toolbar docked on the left", ID_VIEW_TOOLBAR, Qt::LeftToolBarArea},
      {"the toolbar docked at the bottom", ID_VIEW_TOOLBAR, Qt::BottomToolBarArea},
      {"the status bar", ID_VIEW_STATUS_BAR, std::nullopt},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    if (row.dockFirst) frame_->addToolBar(*row.dockFirst, toolBar_);
    CControlBar* bar = frame_->GetControlBar(row.command);
    QAction* toggle = frame_->GetCommandAction(row.command);
    const Qt::ToolBarArea area = frame_->toolBarArea(toolBar_);
    const QRect shownAt = (frame_->layout()->activate(), bar->GetWidget()->geometry());

    frame_->OnIdleUpdateCmdUI();
    EXPECT_TRUE(toggle->isEnabled());
    EXPECT_TRUE(toggle->isChecked());

    toggle->trigger();
    frame_->OnIdleUpdateCmdUI();
    EXPECT_FALSE(bar->IsVisible());
    EXPECT_FALSE(toggle->isChecked());
    if (row.command == ID_VIEW_TOOLBAR && area == Qt::TopToolBarArea) {
      EXPECT_EQ(ViewTop(), frame_->menuBar()->height());  // right under the menu bar
    }

    toggle->trigger();
    frame_->OnIdleUpdateCmdUI();
    EXPECT_TRUE(bar->IsVisible());
    EXPECT_TRUE(toggle->isChecked());
    EXPECT_EQ(frame_->toolBarArea(toolBar_), area);
    frame_->layout()->activate();
    EXPECT_EQ(bar->GetWidget()->geometry(), shownAt);
  }
}

TEST_F(BarsTest, ButtonsShowTheirTooltipAndPutTheirPromptInTheMessagePane) {
  struct Row {
    int item;
    const char* tooltip;
    const char* prompt;
  };
  const Row rows[] = {
      {0, "Ouvrir", "Ouvre un document existant"},
      {2, "A propos de",
       "Affiche des informations sur le programme, le numéro de version et le copyright"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.tooltip);
    QWidget* button = toolBar_->widgetForAction(toolBar_->actions()[row.item]);
    ASSERT_NE(qobject_cast<QToolButton*>(button), nullptr);
    EXPECT_EQ(button->toolTip().toStdString(), row.tooltip);

    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QApplication::sendEvent(button, &enter);
    EXPECT_EQ(statusBar_->GetPaneText(0), row.prompt);
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(button, &leave);
    EXPECT_EQ(statusBar_->GetPaneText(0), "Prêt");
  }
}

TEST_F(BarsTest, ALongMessageIsCutAtThePanesEdgeRatherThanWideningTheWindow) {
  const QRect before = frame_->frameGeometry();
  frame_->SetMessageText(std::string(400, 'W'));
  for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();  // the bars lay out again
  EXPECT_EQ(frame_->frameGeometry().width(), before.width());
  EXPECT_EQ(frame_->frameGeometry().height(), before.height());
}

TEST_F(BarsTest, LockPanesFollowTheKeysAfterAKeyOrAnActivation) {
  struct Row {
    const char* name;
    std::optional<LockKeyState> keys;
    const char* caps;
    const char* num;
    const char* scroll;
  };
  const Row rows[] = {
      {"no reading off X11", std::nullopt, "", "", ""},
      {"all off", LockKeyState{}, "", "", ""},
      {"Caps Lock on", LockKeyState{true, false, false}, "MAJ", "", ""},
      {"Num and Scroll Lock on", LockKeyState{false, true, true}, "", "NUM", "DEF"},
      {"all on", LockKeyState{true, true, true}, "MAJ", "NUM", "DEF"},
  };
  std::optional<LockKeyState> keys;
  statusBar_->SetLockKeyReader([&keys] { return keys; });
  const auto expectPanes = [&](const Row& row) {
    EXPECT_EQ(statusBar_->GetPaneText(1), row.caps);
    EXPECT_EQ(statusBar_->GetPaneText(2), row.num);
    EXPECT_EQ(statusBar_->GetPaneText(3), row.scroll);
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    keys = row.keys;
    QKeyEvent press(QEvent::KeyPress, Qt::Key_CapsLock, Qt::NoModifier);
    QApplication::sendEvent(frame_->GetViewWidget(), &press);
    expectPanes(row);

    keys = LockKeyState{};
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_NumLock, Qt::NoModifier);
    QApplication::sendEvent(frame_->GetViewWidget(), &release);
    keys = row.keys;
    QEvent activate(QEvent::WindowActivate);
    QApplication::sendEvent(frame_, &activate);
    expectPanes(row);
  }
}

TEST_F(BarsTest, BarsRefuseResourcesThatDoNotExist) {
  EXPECT_TRUE(toolBar_->LoadToolBar(IDR_MAINFRAME));
  EXPECT_FALSE(toolBar_->LoadToolBar(IDR_MAINFRAME + 1));
  const unsigned known[] = {ID_SEPARATOR, ID_INDICATOR_CAPS};
  const unsigned unknown[] = {ID_SEPARATOR, 12345};
  EXPECT_TRUE(statusBar_->SetIndicators(known));
  EXPECT_FALSE(statusBar_->SetIndicators(unknown));
  EXPECT_EQ(statusBar_->GetCount(), 2);
}

}  // namespace
}  // namespace apptests
