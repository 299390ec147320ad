#include "CMenu.h"

#include "framework/CFrameWnd.h"
#include "framework/QtText.h"
#include "resources/MenuResource.h"
#include "resources/ResourceIds.h"
#include "resources/StringTable.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QStatusTipEvent>

namespace {

// Keeps the message pane in step with the open menu.
//
// Qt tells the widget that opened a menu (here the menu bar) of every change
// of the highlighted item by a status-tip event: the item's prompt, or an empty
// text when a separator or nothing is highlighted. While a menu is open those
// texts go to the pane as they are, an empty one included. With no menu open
// they come from the bar's own titles, or from a menu that has just closed,
// and leave the pane as it is.
//
// The window's system menu belongs to the window manager on X11, and Qt does
// not tell the program when one of its items is highlighted: the system
// menu's prompts stay in the string table, but this program cannot show them.
class MenuPrompts : public QObject {
 public:
  MenuPrompts(CFrameWnd& frame, QMenuBar* bar) : QObject(bar), frame_(frame), bar_(bar) {
    bar->installEventFilter(this);
  }

  // Brings the menu's items up to date and empties the pane as menu opens,
  // and says "Prêt" again as it closes.
  void Watch(QMenu* menu) {
    connect(menu, &QMenu::aboutToShow, this, [this] {
      frame_.OnIdleUpdateCmdUI();
      frame_.SetMessageText({});
    });
    connect(menu, &QMenu::aboutToHide, this,
            [this] { frame_.SetMessageText(LoadResourceString(AFX_IDS_IDLEMESSAGE)); });
  }

 protected:
  // Every status tip that reaches the bar is the menus' business: none goes
  // on to the frame, which would turn an empty one into "Prêt".
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched != bar_ || event->type() != QEvent::StatusTip) return false;
    if (AnyMenuOpen()) {
      frame_.SetMessageText(static_cast<QStatusTipEvent*>(event)->tip().toStdString());
    }
    return true;
  }

 private:
  bool AnyMenuOpen() const {
    for (const QAction* title : bar_->actions()) {
      if (title->menu() != nullptr && title->menu()->isVisible()) return true;
    }
    return false;
  }

  CFrameWnd& frame_;
  QMenuBar* bar_;
};

}  // namespace

// The bar stays inside the window even where the desktop offers a menu bar
// of its own at the top of the screen: the prompts belong in this window's
// status bar.
bool LoadMenuBar(CFrameWnd& frame, unsigned resourceId) {
  const MenuResource* resource = FindMenuResource(resourceId);
  if (resource == nullptr) return false;
  QMenuBar* bar = frame.menuBar();
  bar->setNativeMenuBar(false);
  auto* prompts = new MenuPrompts(frame, bar);
  for (const MenuPopup& popup : resource->popups) {
    QMenu* menu = bar->addMenu(ToQString(popup.title));
    prompts->Watch(menu);
    for (const MenuItem& item : popup.items) {
      if (item.command == 0) {
        menu->addSeparator();
        continue;
      }
      QAction* action = frame.GetCommandAction(item.command);
      action->setText(ToQString(item.text));
      action->setIconVisibleInMenu(false);  // the toolbar's picture stays on the toolbar
      menu->addAction(action);
    }
  }
  return true;
}
