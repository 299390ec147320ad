#include "WindowFixture.h"

#include "framework/CFrameWnd.h"

#include <QApplication>
#include <QImage>
#include <QTest>
#include <QWidget>

namespace apptests {

void WindowTest::TearDown() {
  if (app_) app_->ExitInstance();
  app_.reset();
  AppTest::TearDown();
}

void WindowTest::StartApp(const std::vector<std::string>& arguments) {
  app_ = std::make_unique<CTarvonel6App>();
  app_->SetCommandLine(arguments);
  ASSERT_TRUE(app_->InitInstance());
  ASSERT_NE(Frame(), nullptr);
  Frame()->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(Frame()));
}

void WindowTest::PressKeys(const QKeySequence& keys) const { QTest::keySequence(Frame(), keys); }

// The model line starts at (20, 30) in yellow; the banner has no pure yellow.
bool WindowTest::ReportPainted() const {
  const QImage view = Frame()->GetViewWidget()->grab().toImage();
  for (int y = 30; y < 70; ++y) {
    for (int x = 20; x < 220; ++x) {
      if ((view.pixel(x, y) & 0xFFFFFF) == 0xFFFF00) return true;
    }
  }
  return false;
}

NextModal::NextModal(std::function<void(QWidget*)> act) : act_(std::move(act)) {
  connect(&timer_, &QTimer::timeout, this, &NextModal::Poll);
  timer_.start(5);
}

void NextModal::Poll() {
  QWidget* dialog = QApplication::activeModalWidget();
  if (dialog == nullptr || !dialog->isVisible()) return;
  timer_.stop();
  seen_ = true;
  act_(dialog);
  if (dialog->isVisible()) {
    ADD_FAILURE() << "the dialog was left open";
    dialog->close();
  }
}

ShowWatcher::ShowWatcher() { qApp->installEventFilter(this); }
ShowWatcher::~ShowWatcher() { qApp->removeEventFilter(this); }

bool ShowWatcher::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Show && watched->isWidgetType() &&
      static_cast<QWidget*>(watched)->isWindow()) {
    windowShown = true;
  }
  return false;
}

void ProcessPendingEvents() {
  for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();
}

}  // namespace apptests
