// Start-up of the window: with and without a photo, the window as built, and
// the command lines that end the program before any window shows.

#include "AppFixture.h"

#include "app/CTarvonel6App.h"
#include "document/CTarvonel6Doc.h"
#include "document/CaptureState.h"
#include "framework/AfxWinMain.h"
#include "framework/CFrameWnd.h"
#include "framework/CSingleDocTemplate.h"
#include "framework/CStatusBar.h"
#include "framework/CToolBar.h"
#include "resources/ResourceIds.h"
#include "view/CTarvonel6View.h"

#include <QApplication>
#include <QIcon>
#include <QImage>
#include <QWidget>

namespace apptests {
namespace {

constexpr QRgb kYellow = qRgb(255, 255, 0);
constexpr QRgb kBannerLine1 = qRgb(248, 253, 0);

// How many pixels of image inside area have exactly colour.
int CountPixels(const QImage& image, const QRect& area, QRgb colour) {
  int count = 0;
  for (int y = area.top(); y <= area.bottom(); ++y) {
    for (int x = area.left(); x <= area.right(); ++x) {
      count += (image.pixel(x, y) & 0xFFFFFF) == (colour & 0xFFFFFF);
    }
  }
  return count;
}

// Arguments name the test's files by placeholder: "{photo}" is a D70 photo
// named d70.jpg.
std::vector<std::string> Arguments(const std::vector<std::string>& pattern, const std::string& photo) {
  std::vector<std::string> arguments;
  for (std::string argument : pattern) {
    if (const auto at = argument.find("{photo}"); at != std::string::npos) {
      argument.replace(at, 7, photo);
    }
    arguments.push_back(argument);
  }
  return arguments;
}

class StartupTest : public AppTest {};

TEST_F(StartupTest, OpensTheWindowWithTheBannerOrThePhotosReport) {
  struct Row {
    const char* name;
    std::vector<std::string> arguments;
    const char* title;
    bool reportPainted;
  };
  const Row rows[] = {
      {"no arguments", {}, "sans nom - Tarvonel6", false},
      {"a photo", {"{photo}"}, "d70.jpg - Tarvonel6", true},
      {"a photo in double quotes", {"\"{photo}\""}, "d70.jpg - Tarvonel6", true},
      {"unknown switches only", {"-x", "-Embedding", "/dde"}, "sans nom - Tarvonel6", false},
      {"a photo after unknown switches", {"-x", "{photo}", "-y"}, "d70.jpg - Tarvonel6", true},
  };
  const std::string photo = WritePhoto("d70.jpg");
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    captureState = CaptureState{};
    CTarvonel6App app;
    app.SetCommandLine(Arguments(row.arguments, photo));
    ASSERT_TRUE(app.InitInstance());
    CFrameWnd* frame = app.m_pMainWnd;
    ASSERT_NE(frame, nullptr);
    EXPECT_TRUE(frame->isVisible());
    EXPECT_EQ(frame->windowTitle().toStdString(), row.title);

    const QImage view = frame->GetViewWidget()->grab().toImage();
    const QRect modelLine(20, 30, 200, 40), bannerLine1(10, 10, 200, 40);
    EXPECT_EQ(CountPixels(view, modelLine, kYellow) > 0, row.reportPainted);
    EXPECT_EQ(CountPixels(view, bannerLine1, kBannerLine1) > 0, !row.reportPainted);
    EXPECT_TRUE(messages_.empty());
    app.ExitInstance();
  }
}

TEST_F(StartupTest, BuildsTheWindowAt50By50With600By480AndItsBars) {
  CTarvonel6App app;
  ASSERT_TRUE(app.InitInstance());
  CFrameWnd* frame = app.m_pMainWnd;
  EXPECT_EQ(frame->frameGeometry(), QRect(50, 50, 600, 480));
  const QList<QSize> iconSizes = frame->windowIcon().availableSizes();
  EXPECT_TRUE(iconSizes.contains(QSize(16, 16)));
  EXPECT_TRUE(iconSizes.contains(QSize(32, 32)));

  auto* toolBar = dynamic_cast<CToolBar*>(frame->GetControlBar(AFX_IDW_TOOLBAR));
  ASSERT_NE(toolBar, nullptr);
  EXPECT_EQ(frame->toolBarArea(toolBar), Qt::TopToolBarArea);
  EXPECT_EQ(toolBar->allowedAreas(), Qt::AllToolBarAreas);
  EXPECT_TRUE(toolBar->isMovable());
  EXPECT_TRUE(toolBar->isFloatable());
  EXPECT_EQ(toolBar->iconSize(), QSize(32, 32));
  const unsigned items[] = {ID_FILE_OPEN, ID_SEPARATOR, ID_APP_ABOUT};
  ASSERT_EQ(toolBar->GetCount(), 3);
  for (int i = 0; i < 3; ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(toolBar->GetItemID(i), items[i]);
    if (items[i] != ID_SEPARATOR) {
      EXPECT_EQ(toolBar->GetItemRect(i).size(), QSize(39, 39));
    }
  }
  EXPECT_LT(toolBar->GetItemRect(0).right(), toolBar->GetItemRect(1).left());
  EXPECT_LT(toolBar->GetItemRect(1).right(), toolBar->GetItemRect(2).left());

  auto* statusBar = dynamic_cast<CStatusBar*>(frame->GetControlBar(AFX_IDW_STATUS_BAR));
  ASSERT_NE(statusBar, nullptr);
  const unsigned panes[] = {ID_SEPARATOR, ID_INDICATOR_CAPS, ID_INDICATOR_NUM, ID_INDICATOR_SCRL};
  ASSERT_EQ(statusBar->GetCount(), 4);
  for (int i = 0; i < 4; ++i) EXPECT_EQ(statusBar->GetItemID(i), panes[i]);
  EXPECT_EQ(statusBar->GetPaneText(0), "Prêt");
  EXPECT_GT(statusBar->geometry().top(), frame->GetViewWidget()->geometry().bottom());
  EXPECT_GT(frame->GetViewWidget()->geometry().top(), toolBar->geometry().bottom());
  app.ExitInstance();
}

// Records whether any window is shown while it is installed.
class ShowWatcher : public QObject {
 public:
  ShowWatcher() { qApp->installEventFilter(this); }
  ~ShowWatcher() override { qApp->removeEventFilter(this); }
  bool windowShown = false;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Show && watched->isWidgetType() &&
        static_cast<QWidget*>(watched)->isWindow()) {
      windowShown = true;
    }
    return false;
  }
};

TEST_F(StartupTest, CommandLinesThatEndTheProgramShowNoWindow) {
  struct Row {
    const char* name;
    std::vector<std::string> arguments;
    int exitStatus;
    bool fileNotFoundMessage;
  };
  const Row rows[] = {
      {"a missing file", {"{missing}"}, 1, true},
      {"a missing file in double quotes", {"\"{missing}\""}, 1, true},
      {"p with a missing file", {"-p", "{missing}"}, 1, true},
      {"p with a photo", {"/p", "{photo}"}, 0, false},
      {"pt with a photo, printer, driver and port", {"-pt", "{photo}", "lp", "drv", "port"}, 0, false},
  };
  const std::string photo = WritePhoto("d70.jpg");
  const std::string missing = MissingFile("absent.jpg");
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    messages_.clear();
    std::vector<std::string> arguments = Arguments(row.arguments, photo);
    for (std::string& argument : arguments) {
      if (const auto at = argument.find("{missing}"); at != std::string::npos) {
        argument.replace(at, 9, missing);
      }
    }
    CTarvonel6App app;
    ShowWatcher watcher;
    EXPECT_EQ(AfxRunApplication(app, arguments), row.exitStatus);
    EXPECT_FALSE(watcher.windowShown);
    EXPECT_EQ(app.m_pMainWnd, nullptr);
    if (row.fileNotFoundMessage) {
      EXPECT_EQ(messages_, std::vector<std::string>{"Impossible de trouver " + missing + "."});
    } else {
      EXPECT_TRUE(messages_.empty());
    }
  }
}

// A frame whose creation fails, as when a bar cannot be made.
class FrameThatFails : public CFrameWnd {
 public:
  int OnCreate(const CREATESTRUCT&) override { return -1; }
};

class AppWithFailingFrame : public CWinApp {
 public:
  bool InitInstance() override {
    AddDocTemplate(std::make_unique<CSingleDocTemplate>(IDR_MAINFRAME, RuntimeClass<CTarvonel6Doc>(),
                                                        RuntimeClass<FrameThatFails>(),
                                                        RuntimeClass<CTarvonel6View>()));
    CCommandLineInfo info;
    ParseCommandLine(info);
    return ProcessShellCommand(info);
  }
};

TEST_F(StartupTest, AFrameThatCannotBeMadeEndsTheProgramWithItsMessage) {
  AppWithFailingFrame app;
  EXPECT_EQ(AfxRunApplication(app, {}), kStartupFailedExitStatus);
  EXPECT_EQ(messages_, std::vector<std::string>{"La création d'un document vide a échoué."});
  EXPECT_FALSE(AnyWindowVisible());
}

}  // namespace
}  // namespace apptests
