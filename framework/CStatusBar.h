#pragma once
// The status bar: panes side by side, each named by a resource id. Pane 0
// (id 0) is the message pane, which takes the remaining width; each other
// pane is as wide as its string. The lock-key panes (Caps, Num, Scroll Lock)
// show their string only while their key is on.

#include "framework/CControlBar.h"
#include "framework/LockKeys.h"

#include <QStatusBar>

#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

class QLabel;

class CStatusBar : public QStatusBar, public CControlBar {
 public:
  using LockKeyReader = std::function<std::optional<LockKeyState>()>;

  CStatusBar();

  // Creates the bar on frame's bottom edge with the given control id.
  bool Create(CFrameWnd* frame, DWORD style, unsigned id);

  // Makes one pane per id, left to right. False when an id other than 0 has
  // no string.
  bool SetIndicators(std::span<const unsigned> ids);

  // The number of panes, and the id of pane index (0 for the message pane).
  int GetCount() const { return static_cast<int>(panes_.size()); }
  unsigned GetItemID(int index) const;

  // The text of pane index, UTF-8.
  std::string GetPaneText(int index) const;
  void SetPaneText(int index, std::string_view text);

  // Reads the lock keys and shows or blanks their panes. Called after key
  // events and when the window is activated; with no reading (not X11) the
  // panes stay blank.
  void RefreshLockIndicators();

  // Replaces where the lock keys are read from (tests).
  void SetLockKeyReader(LockKeyReader reader) { readLockKeys_ = std::move(reader); }

  QWidget* GetWidget() override { return this; }

 protected:
  // Watches the whole application for lock-key presses and activation.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct Pane {
    unsigned id;
    QLabel* label;
  };

  std::vector<Pane> panes_;
  LockKeyReader readLockKeys_;
  unsigned long lastKeyTimestamp_ = 0;
  int lastKeyType_ = 0;
};
