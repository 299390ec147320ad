#pragma once
// What the menu, key, dialog and drop tests start from: the application
// running with its window shown and active, and ways to act as the user
// does: keys typed, modal dialogs answered.

#include "AppFixture.h"

#include "app/CTarvonel6App.h"

#include <QKeySequence>
#include <QObject>
#include <QTimer>

#include <functional>
#include <memory>
#include <string>
#include <vector>

class CFrameWnd;
class QWidget;

namespace apptests {

class WindowTest : public AppTest {
 protected:
  void TearDown() override;

  // Starts the application with arguments and makes its window the active
  // one; the test fails when it does not start.
  void StartApp(const std::vector<std::string>& arguments = {});

  CFrameWnd* Frame() const { return app_->m_pMainWnd; }

  // Types keys into the window.
  void PressKeys(const QKeySequence& keys) const;

  // Whether the view paints a photo's report (its yellow model line) rather
  // than the banner alone.
  bool ReportPainted() const;

  std::unique_ptr<CTarvonel6App> app_;
};

// Answers the next modal dialog: act runs on it as soon as it shows, from
// inside the dialog's own event loop, and is to close it (a dialog act leaves
// open is closed, and the test fails). Stops watching when destroyed.
class NextModal : public QObject {
 public:
  explicit NextModal(std::function<void(QWidget*)> act);

  // Whether a modal dialog showed.
  bool Seen() const { return seen_; }

 private:
  void Poll();

  std::function<void(QWidget*)> act_;
  QTimer timer_;
  bool seen_ = false;
};

// Records whether any window shows while it exists.
class ShowWatcher : public QObject {
 public:
  ShowWatcher();
  ~ShowWatcher() override;
  bool windowShown = false;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
};

// Lets queued work (a dropped file's open, a layout) run.
void ProcessPendingEvents();

}  // namespace apptests
