// The menu bar: its menus and items against one table, every item enabled
// with or without a photo, the bar toggles' check marks, and the prompts in
// the message pane while the menus are open.

#include "WindowFixture.h"

#include "framework/CFrameWnd.h"
#include "framework/CStatusBar.h"
#include "resources/ResourceIds.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

namespace apptests {
namespace {

class MenuTest : public WindowTest {
 protected:
  // The menu whose title is title, open, or null.
  QMenu* OpenMenu(const char* title) {
    for (QAction* action : Frame()->menuBar()->actions()) {
      if (action->text() == QString::fromUtf8(title)) {
        Frame()->menuBar()->setActiveAction(action);
        return action->menu()->isVisible() ? action->menu() : nullptr;
      }
    }
    return nullptr;
  }

  // Closes menu as Escape does: twice, once for the menu, once for the bar.
  void CloseMenu(QMenu* menu) {
    QTest::keyClick(menu, Qt::Key_Escape);
    QTest::keyClick(Frame()->menuBar(), Qt::Key_Escape);
  }

  std::string MessagePane() const {
    return dynamic_cast<CStatusBar*>(Frame()->GetControlBar(AFX_IDW_STATUS_BAR))->GetPaneText(0);
  }
};

struct MenuRow {
  const char* menu;
  const char* item;  // null for a separator
  unsigned command;
};

const MenuRow kMenuBar[] = {
    {"&Fichier", "&Ouvrir...\tCtrl+O", ID_FILE_OPEN},
    {"&Fichier", nullptr, 0},
    {"&Fichier", "&Quitter", ID_APP_EXIT},
    {"&Affichage", "&Barre d'outils", ID_VIEW_TOOLBAR},
    {"&Affichage", "Barre d'é&tat", ID_VIEW_STATUS_BAR},
    {"&?", "Mode d'emploi", ID_USAGE},
    {"&?", nullptr, 0},
    {"&?", "&A propos de Tarvonel6 ...", ID_APP_ABOUT},
};

TEST_F(MenuTest, TheMenuBarHoldsExactlyTheTablesMenusAndItemsAllEnabled) {
  struct Start {
    const char* name;
    bool withPhoto;
  };
  for (const Start start : {Start{"no photo", false}, Start{"a photo open", true}}) {
    SCOPED_TRACE(start.name);
    StartApp(start.withPhoto ? std::vector<std::string>{WritePhoto("d70.jpg")}
                             : std::vector<std::string>{});
    Frame()->OnIdleUpdateCmdUI();
    std::size_t row = 0;
    for (QAction* title : Frame()->menuBar()->actions()) {
      ASSERT_NE(title->menu(), nullptr);
      for (QAction* item : title->menu()->actions()) {
        ASSERT_LT(row, std::size(kMenuBar));
        const MenuRow& expected = kMenuBar[row++];
        SCOPED_TRACE(expected.item ? expected.item : "separator");
        EXPECT_EQ(title->text().toStdString(), expected.menu);
        EXPECT_EQ(item->isSeparator(), expected.item == nullptr);
        if (expected.item == nullptr) continue;
        EXPECT_EQ(item->text().toStdString(), expected.item);
        EXPECT_EQ(item->data().toUInt(), expected.command);
        EXPECT_TRUE(item->isEnabled());
        EXPECT_FALSE(item->isIconVisibleInMenu());  // text only, as the table says
      }
    }
    EXPECT_EQ(row, std::size(kMenuBar));
    app_->ExitInstance();
    app_.reset();
  }
}

TEST_F(MenuTest, ABarsItemIsCheckedExactlyWhileTheBarShows) {
  struct Row {
    const char* item;
    unsigned bar;
  };
  const Row rows[] = {
      {"&Barre d'outils", AFX_IDW_TOOLBAR},
      {"Barre d'é&tat", AFX_IDW_STATUS_BAR},
  };
  StartApp();
  for (const Row& row : rows) {
    SCOPED_TRACE(row.item);
    CControlBar* bar = Frame()->GetControlBar(row.bar);
    for (const bool shownAfter : {false, true}) {
      QMenu* menu = OpenMenu("&Affichage");
      ASSERT_NE(menu, nullptr);
      QAction* item = nullptr;
      for (QAction* action : menu->actions()) {
        if (action->text() == QString::fromUtf8(row.item)) item = action;
      }
      ASSERT_NE(item, nullptr);
      EXPECT_TRUE(item->isCheckable());
      EXPECT_EQ(item->isChecked(), !shownAfter);  // as the menu opens
      QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(item).center());
      EXPECT_FALSE(menu->isVisible());
      EXPECT_EQ(bar->IsVisible(), shownAfter);

      menu = OpenMenu("&Affichage");
      ASSERT_NE(menu, nullptr);
      EXPECT_EQ(item->isChecked(), shownAfter);
      CloseMenu(menu);
    }
  }
}

TEST_F(MenuTest, TheMessagePaneShowsTheHighlightedItemsPromptThenPretOnceTheMenuCloses) {
  struct Row {
    const char* name;
    const char* menu;
    std::vector<int> highlighted;  // items the pointer passes over, in order; none: just opened
    const char* prompt;
  };
  const Row rows[] = {
      {"the menu just opened: its title", "&Fichier", {}, ""},
      {"Ouvrir", "&Fichier", {0}, "Ouvre un document existant"},
      {"Quitter", "&Fichier", {0, 2},
       "Ferme l'application ; propose d'enregistrer les documents"},
      {"a separator after an item", "&Fichier", {0, 1}, ""},
      {"Barre d'état", "&Affichage", {1}, "Affiche ou masque la barre d'état"},
      {"Mode d'emploi: no prompt", "&?", {2, 0}, ""},
      {"A propos", "&?", {2},
       "Affiche des informations sur le programme, le numéro de version et le copyright"},
  };
  StartApp();
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    ASSERT_EQ(MessagePane(), "Prêt");
    QMenu* menu = OpenMenu(row.menu);
    ASSERT_NE(menu, nullptr);
    for (int index : row.highlighted) {
      QTest::mouseMove(menu, menu->actionGeometry(menu->actions()[index]).center());
    }
    EXPECT_EQ(MessagePane(), row.prompt);
    CloseMenu(menu);
    EXPECT_EQ(MessagePane(), "Prêt");
  }
}

}  // namespace
}  // namespace apptests
