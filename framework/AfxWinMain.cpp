#include "AfxWinMain.h"

#include "framework/CFrameWnd.h"
#include "framework/CWinApp.h"
#include "framework/DisplayCheck.h"
#include "framework/WindowMessages.h"
#include "resources/VersionInfo.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>

#include <cstdio>
#include <optional>

namespace {

// Benchmark only: with TARVONEL6_QUIT_AFTER_FIRST_PAINT set in the
// environment, the program quits as soon as the view has been painted once,
// so that a benchmark can time start-up to the first painted report. Nothing
// else reads this variable.
class QuitAfterFirstPaint : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    return false;
  }
};

void WatchFirstPaintForBenchmark(CWinApp& app) {
  if (qEnvironmentVariableIsEmpty("TARVONEL6_QUIT_AFTER_FIRST_PAINT")) return;
  if (app.m_pMainWnd == nullptr || app.m_pMainWnd->GetViewWidget() == nullptr) return;
  app.m_pMainWnd->GetViewWidget()->installEventFilter(new QuitAfterFirstPaint(app.m_pMainWnd));
}

}  // namespace

int AfxRunApplication(CWinApp& app, std::vector<std::string> arguments) {
  app.SetCommandLine(std::move(arguments));
  if (!app.InitInstance()) {
    const int status = app.ExitInstance();
    return app.EndedAsAsked() ? status : kStartupFailedExitStatus;
  }
  WatchFirstPaintForBenchmark(app);
  return app.Run();
}

// Qt takes its own options (-platform, -style...) out of argv; the rest is
// the program's command line, kept as bytes. The display is not probed
// beforehand: a probe's extra connection can make an X server that has no
// other client reset itself, which costs a start-up 150 ms.
int AfxWinMain(int argc, char* argv[]) {
  CWinApp* app = AfxGetApp();
  if (app == nullptr) return kStartupFailedExitStatus;
  if (const auto message = MissingDisplayMessage()) {
    std::fprintf(stderr, "%s\n", message->c_str());
    return kStartupFailedExitStatus;
  }
  std::optional<QApplication> qtApplication;
  {
    DisplayConnectionGuard guard;
    qtApplication.emplace(argc, argv);
  }
  QApplication::setApplicationName(QString::fromStdString(app->AppName()));
  QApplication::setApplicationVersion(
      QString::fromStdString(VersionWithDots(ProgramVersion().fileVersion)));
  InstallWindowMessageHandler();
  return AfxRunApplication(*app, std::vector<std::string>(argv + 1, argv + argc));
}
