#pragma once
// The frame window: the program's main window, holding the view in its client
// area, the control bars on its edges, and one QAction per command that
// menus, keys and toolbar buttons share. It routes every command along view,
// document, frame, application, and keeps the commands' items up to date
// whenever the event loop goes idle.

#include "framework/CCmdTarget.h"
#include "framework/CControlBar.h"

#include <QMainWindow>
#include <QSize>

#include <climits>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class CDocument;
class CToolBar;
class CView;
class CViewWidget;

// "Let the window system choose" for a coordinate or size of CREATESTRUCT.
inline constexpr int CW_USEDEFAULT = INT_MIN;

// Where the window goes and how big it is: left x, top y, width cx and height
// cy of the outer window (frame included), in screen pixels.
struct CREATESTRUCT {
  int x = CW_USEDEFAULT;
  int y = CW_USEDEFAULT;
  int cx = CW_USEDEFAULT;
  int cy = CW_USEDEFAULT;
};

// What a new frame needs to make its view: the document it will show and the
// view class's factory.
struct CCreateContext {
  CDocument* document = nullptr;
  std::function<std::unique_ptr<CView>()> createView;
};

// Show commands of ShowWindow.
inline constexpr int SW_HIDE = 0;
inline constexpr int SW_SHOW = 5;

class CFrameWnd : public QMainWindow, public CCmdTarget {
 public:
  CFrameWnd();
  ~CFrameWnd() override;

  // Creates the window: PreCreateWindow, then its place, size, icon, title,
  // menu bar and accelerator keys from resource resourceId, then OnCreate
  // with context. False when PreCreateWindow or OnCreate refuses; the frame
  // is then to be destroyed.
  bool LoadFrame(unsigned resourceId, CCreateContext* context);

  // Lets a frame class change the creation parameters; false stops the
  // creation. The base class succeeds and changes nothing.
  virtual bool PreCreateWindow(CREATESTRUCT& cs);

  // Builds the client area: the base class makes the view from the creation
  // context. Returns 0, or -1 to stop the creation.
  virtual int OnCreate(const CREATESTRUCT& cs);

  // Called by the template after each new-document or open step: titles the
  // window after document, has the view repainted, and shows the window if
  // makeVisible.
  void InitialUpdateFrame(CDocument* document, bool makeVisible);

  // Sets the title: "<document title> - <application title>".
  void OnUpdateFrameTitle();

  // SW_SHOW or SW_HIDE.
  void ShowWindow(int showCommand);

  // Paints what needs painting now rather than when the event loop comes to it.
  void UpdateWindow();

  // The sides (CBRS_ALIGN_...) on which bars may dock.
  void EnableDocking(DWORD dockStyle);

  // Docks bar on the first side that both bar and frame allow: top, bottom,
  // left, right.
  void DockControlBar(CToolBar* bar);

  // Shows or hides bar; a toolbar shows again where it was.
  void ShowControlBar(CControlBar* bar, bool show);

  // The bar with control id, or null.
  CControlBar* GetControlBar(unsigned id) const;

  // The message pane's text (UTF-8).
  void SetMessageText(std::string_view text);

  // The action of command id, made on first request with the command's
  // prompt as status tip and its tooltip; triggering it runs ExecuteCommand.
  QAction* GetCommandAction(unsigned id);

  // Runs command id along the route, unless its update handler (or the lack
  // of any handler) has it disabled at this moment.
  void ExecuteCommand(unsigned id);

  // Whether command id is enabled now: what its item would show.
  bool IsCommandEnabled(unsigned id);

  // Brings every command's action up to date through its update handler;
  // called whenever the event loop goes idle.
  void OnIdleUpdateCmdUI();

  // The view, the widget it paints on, and the document it shows; null
  // before OnCreate and the first new-document or open step.
  CView* GetActiveView() const;
  QWidget* GetViewWidget() const;
  CDocument* GetActiveDocument() const { return document_; }

  // Routes id along the view, the document, the frame's own map, the
  // application.
  bool OnCmdMsg(unsigned id, CmdRequest request, CCmdUI* ui) override;

  // Lets the user drop a file from the desktop on the window to open it, as
  // the open command would.
  void DragAcceptFiles(bool accept = true);

  // The framework's handlers for showing and hiding the two bars.
  void OnViewToolBar();
  void OnUpdateViewToolBar(CCmdUI* ui);
  void OnViewStatusBar();
  void OnUpdateViewStatusBar(CCmdUI* ui);

  // The keys that move to the next or previous pane of a split window: the
  // frame's view is never split, so they stay disabled.
  void OnUpdateNextPaneMenu(CCmdUI* ui);

  // Called by CControlBar.
  void AddControlBar(CControlBar* bar);
  void RemoveControlBar(CControlBar* bar);

 protected:
  static const MessageMap* ThisMessageMap();
  const MessageMap* GetMessageMap() const override { return ThisMessageMap(); }

  // Puts prompts into the message pane; fits the outer size once the window
  // system reports the frame's borders.
  bool event(QEvent* event) override;

  // A drag over the window is welcome when its first item is a local file;
  // a drop opens that file once the drop has ended.
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  // Toggles the bar with control id.
  void OnBarCheck(unsigned id);
  void OnUpdateControlBarMenu(CCmdUI* ui);

  // Resizes the client area so that the outer window has the size asked at
  // creation, once the frame's borders are known.
  void FitOuterSize();

  CCreateContext* context_ = nullptr;
  CViewWidget* viewWidget_ = nullptr;
  CDocument* document_ = nullptr;
  std::string appTitle_;
  std::vector<CControlBar*> controlBars_;
  std::map<unsigned, QAction*> actions_;
  DWORD dockStyle_ = 0;
  QSize pendingOuterSize_;
};
