// Command routing: a command goes to the view, then the document, then the
// frame, then the application; the first with a handler runs it. An item is
// enabled by its update handler or, without one, exactly when some object on
// the route handles its command.

#include "framework/CDocument.h"
#include "framework/CFrameWnd.h"
#include "framework/CSingleDocTemplate.h"
#include "framework/CView.h"
#include "framework/CWinApp.h"
#include "resources/ResourceIds.h"

#include <QAction>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string> handled;

class RouteView : public CView {
 public:
  void OnDraw(CDC*) override {}
  void OnOne() { handled.push_back("view"); }
  void OnUpdateSix(CCmdUI* ui) {
    ui->Enable(false);
    ui->SetCheck(1);
  }

 protected:
  static const MessageMap* ThisMessageMap() {
    static const MessageMapEntry entries[] = {
        OnCommand(1, &RouteView::OnOne),
        OnUpdateCommandUI(6, &RouteView::OnUpdateSix),
    };
    static const MessageMap map{nullptr, entries};
    return &map;
  }
  const MessageMap* GetMessageMap() const override { return ThisMessageMap(); }
};

class RouteDocument : public CDocument {
 public:
  void OnOneOrTwo() { handled.push_back("document"); }

 protected:
  static const MessageMap* ThisMessageMap() {
    static const MessageMapEntry entries[] = {
        OnCommand(1, &RouteDocument::OnOneOrTwo),
        OnCommand(2, &RouteDocument::OnOneOrTwo),
    };
    static const MessageMap map{nullptr, entries};
    return &map;
  }
  const MessageMap* GetMessageMap() const override { return ThisMessageMap(); }
};

class RouteFrame : public CFrameWnd {
 public:
  void OnUpToThree() { handled.push_back("frame"); }

 protected:
  static const MessageMap* ThisMessageMap() {
    static const MessageMapEntry entries[] = {
        OnCommand(1, &RouteFrame::OnUpToThree),
        OnCommand(2, &RouteFrame::OnUpToThree),
        OnCommand(3, &RouteFrame::OnUpToThree),
    };
    static const MessageMap map{CFrameWnd::ThisMessageMap(), entries};
    return &map;
  }
  const MessageMap* GetMessageMap() const override { return ThisMessageMap(); }
};

class RouteApp : public CWinApp {
 public:
  RouteApp() : CWinApp("Tarvonel6") {}
  void OnAnything() { handled.push_back("application"); }
  bool InitInstance() override {
    AddDocTemplate(std::make_unique<CSingleDocTemplate>(IDR_MAINFRAME, RuntimeClass<RouteDocument>(),
                                                        RuntimeClass<RouteFrame>(),
                                                        RuntimeClass<RouteView>()));
    OnFileNew();
    return m_pMainWnd != nullptr;
  }

 protected:
  static const MessageMap* ThisMessageMap() {
    static const MessageMapEntry entries[] = {
        OnCommand(1, &RouteApp::OnAnything), OnCommand(2, &RouteApp::OnAnything),
        OnCommand(3, &RouteApp::OnAnything), OnCommand(4, &RouteApp::OnAnything),
        OnCommand(6, &RouteApp::OnAnything),
    };
    static const MessageMap map{CWinApp::ThisMessageMap(), entries};
    return &map;
  }
  const MessageMap* GetMessageMap() const override { return ThisMessageMap(); }
};

TEST(CommandRoutingTest, TheFirstObjectOnTheRouteWithAHandlerRunsTheCommand) {
  struct Row {
    const char* name;
    unsigned id;
    const char* handler;  // "" when nothing runs
    bool enabled;
    bool checked;
  };
  const Row rows[] = {
      {"everyone handles it: the view", 1, "view", true, false},
      {"document, frame and application: the document", 2, "document", true, false},
      {"frame and application: the frame", 3, "frame", true, false},
      {"the application alone", 4, "application", true, false},
      {"nobody: greyed out, nothing runs", 5, "", false, false},
      {"an update handler greys it although a handler exists", 6, "", false, true},
      {"a bar command without the bar: greyed out", ID_VIEW_TOOLBAR, "", false, false},
  };
  RouteApp app;
  ASSERT_TRUE(app.InitInstance());
  CFrameWnd* frame = app.m_pMainWnd;
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    handled.clear();
    QAction* action = frame->GetCommandAction(row.id);
    frame->OnIdleUpdateCmdUI();
    EXPECT_EQ(action->isEnabled(), row.enabled);
    EXPECT_EQ(action->isChecked(), row.checked);
    action->trigger();
    const std::vector<std::string> expected =
        *row.handler ? std::vector<std::string>{row.handler} : std::vector<std::string>{};
    EXPECT_EQ(handled, expected);
  }
  app.ExitInstance();
}

TEST(CommandRoutingTest, TheQuitCommandClosesTheMainWindow) {
  RouteApp app;
  ASSERT_TRUE(app.InitInstance());
  app.m_pMainWnd->show();
  app.m_pMainWnd->GetCommandAction(ID_APP_EXIT)->trigger();
  EXPECT_FALSE(app.m_pMainWnd->isVisible());
  app.ExitInstance();
}

}  // namespace
