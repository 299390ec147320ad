#pragma once
// The item that shows a command (a toolbar button, a menu item), as an update
// handler sees it: the handler enables it and checks it.

class CCmdTarget;

class CCmdUI {
 public:
  explicit CCmdUI(unsigned id) : id_(id) {}
  virtual ~CCmdUI() = default;

  // The command the item stands for.
  unsigned GetID() const { return id_; }

  // Enables or greys out the item.
  void Enable(bool on = true) {
    enableChanged_ = true;
    ApplyEnable(on);
  }

  // 1 puts a check mark on the item, 0 takes it off.
  void SetCheck(int check = 1) { ApplyCheck(check); }

  // Asks target's route to bring the item up to date: its update handler
  // decides; without one, the item is enabled exactly when some object on the
  // route has a handler for the command (when disableIfNoHandler).
  void DoUpdate(CCmdTarget& target, bool disableIfNoHandler);

 protected:
  // What enabling and checking mean for the kind of item (an action, a pane).
  virtual void ApplyEnable(bool on) = 0;
  virtual void ApplyCheck(int check) = 0;

 private:
  unsigned id_;
  bool enableChanged_ = false;
};
