#include "CFrameWnd.h"

#include "framework/CAcceleratorTable.h"
#include "framework/CDocument.h"
#include "framework/CMenu.h"
#include "framework/CStatusBar.h"
#include "framework/CToolBar.h"
#include "framework/CView.h"
#include "framework/CViewWidget.h"
#include "framework/CWinApp.h"
#include "framework/QtText.h"
#include "resources/DocumentString.h"
#include "resources/ResourceIds.h"
#include "resources/StringTable.h"
#include "resources/ToolbarResource.h"

#include <QAbstractEventDispatcher>
#include <QAction>
#include <QDropEvent>
#include <QFile>
#include <QIcon>
#include <QMimeData>
#include <QStatusTipEvent>
#include <QTimer>
#include <QUrl>

#include <algorithm>
#include <optional>

namespace {

// A command's item as its update handler sees it: the command's action.
class ActionCmdUI : public CCmdUI {
 public:
  ActionCmdUI(unsigned id, QAction* action) : CCmdUI(id), action_(action) {}

 protected:
  void ApplyEnable(bool on) override { action_->setEnabled(on); }
  void ApplyCheck(int check) override {
    action_->setCheckable(true);
    action_->setChecked(check != 0);
  }

 private:
  QAction* action_;
};

// A command's item as the last check before running it sees it: only
// whether it is enabled.
class EnabledCmdUI : public CCmdUI {
 public:
  using CCmdUI::CCmdUI;
  bool enabled = true;

 protected:
  void ApplyEnable(bool on) override { enabled = on; }
  void ApplyCheck(int) override {}
};

// The first item of a drag, when it is a file on this machine: its path in
// the system's encoding.
std::optional<std::string> DraggedLocalFile(const QMimeData* data) {
  if (data == nullptr || !data->hasUrls()) return std::nullopt;
  const QList<QUrl> urls = data->urls();
  if (urls.isEmpty() || !urls.front().isLocalFile()) return std::nullopt;
  return QFile::encodeName(urls.front().toLocalFile()).toStdString();
}

}  // namespace

CFrameWnd::CFrameWnd() {
  setContextMenuPolicy(Qt::NoContextMenu);
  connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock, this,
          [this] { OnIdleUpdateCmdUI(); });
}

CFrameWnd::~CFrameWnd() = default;

// Showing and hiding the bars is the frame's own work.
const MessageMap* CFrameWnd::ThisMessageMap() {
  static const MessageMapEntry entries[] = {
      OnCommand(ID_VIEW_TOOLBAR, &CFrameWnd::OnViewToolBar),
      OnUpdateCommandUI(ID_VIEW_TOOLBAR, &CFrameWnd::OnUpdateViewToolBar),
      OnCommand(ID_VIEW_STATUS_BAR, &CFrameWnd::OnViewStatusBar),
      OnUpdateCommandUI(ID_VIEW_STATUS_BAR, &CFrameWnd::OnUpdateViewStatusBar),
      OnUpdateCommandUI(ID_NEXT_PANE, &CFrameWnd::OnUpdateNextPaneMenu),
      OnUpdateCommandUI(ID_PREV_PANE, &CFrameWnd::OnUpdateNextPaneMenu),
  };
  static const MessageMap map{nullptr, entries};
  return &map;
}

// The title's application part is the first field of the resource's string.
bool CFrameWnd::LoadFrame(unsigned resourceId, CCreateContext* context) {
  CREATESTRUCT cs;
  if (!PreCreateWindow(cs)) return false;
  appTitle_ = std::string(ParseDocumentString(LoadResourceString(resourceId)).windowTitle);
  setWindowTitle(ToQString(appTitle_));
  if (const std::string_view icon = FindIconResource(resourceId); !icon.empty()) {
    setWindowIcon(QIcon(ToQString(icon)));
  }
  LoadMenuBar(*this, resourceId);
  LoadAccelTable(*this, resourceId);
  if (cs.x != CW_USEDEFAULT && cs.y != CW_USEDEFAULT) move(cs.x, cs.y);
  if (cs.cx != CW_USEDEFAULT && cs.cy != CW_USEDEFAULT) {
    resize(cs.cx, cs.cy);
    pendingOuterSize_ = QSize(cs.cx, cs.cy);
  }
  context_ = context;
  const int created = OnCreate(cs);
  context_ = nullptr;
  if (created == -1) return false;
  SetMessageText(LoadResourceString(AFX_IDS_IDLEMESSAGE));
  return true;
}

bool CFrameWnd::PreCreateWindow(CREATESTRUCT&) { return true; }

int CFrameWnd::OnCreate(const CREATESTRUCT&) {
  if (context_ == nullptr) return 0;
  document_ = context_->document;
  if (!context_->createView) return 0;
  std::unique_ptr<CView> view = context_->createView();
  if (!view) return -1;
  viewWidget_ = new CViewWidget(std::move(view), this);
  setCentralWidget(viewWidget_);
  return 0;
}

void CFrameWnd::InitialUpdateFrame(CDocument* document, bool makeVisible) {
  document_ = document;
  OnUpdateFrameTitle();
  OnIdleUpdateCmdUI();
  if (viewWidget_ != nullptr) viewWidget_->update();
  if (makeVisible) ShowWindow(SW_SHOW);
}

void CFrameWnd::OnUpdateFrameTitle() {
  const std::string title =
      document_ != nullptr ? document_->GetTitle() + " - " + appTitle_ : appTitle_;
  setWindowTitle(ToQString(title));
}

void CFrameWnd::ShowWindow(int showCommand) {
  if (showCommand == SW_HIDE) {
    hide();
  } else {
    show();
  }
}

void CFrameWnd::UpdateWindow() {
  if (isVisible()) repaint();
}

void CFrameWnd::EnableDocking(DWORD dockStyle) { dockStyle_ = dockStyle & CBRS_ALIGN_ANY; }

void CFrameWnd::DockControlBar(CToolBar* bar) {
  if (bar == nullptr) return;
  const DWORD sides = bar->GetDockStyle() & dockStyle_;
  if (sides == 0) return;
  bar->setAllowedAreas(ToolBarAreasOf(sides));
  for (DWORD side : {CBRS_ALIGN_TOP, CBRS_ALIGN_BOTTOM, CBRS_ALIGN_LEFT, CBRS_ALIGN_RIGHT}) {
    if (sides & side) {
      addToolBar(ToolBarAreaOf(side), bar);
      return;
    }
  }
}

void CFrameWnd::ShowControlBar(CControlBar* bar, bool show) {
  if (bar != nullptr) bar->GetWidget()->setVisible(show);
}

CControlBar* CFrameWnd::GetControlBar(unsigned id) const {
  const auto found = std::find_if(controlBars_.begin(), controlBars_.end(),
                                  [id](CControlBar* bar) { return bar->GetDlgCtrlID() == id; });
  return found != controlBars_.end() ? *found : nullptr;
}

void CFrameWnd::AddControlBar(CControlBar* bar) { controlBars_.push_back(bar); }

void CFrameWnd::RemoveControlBar(CControlBar* bar) { std::erase(controlBars_, bar); }

void CFrameWnd::SetMessageText(std::string_view text) {
  if (auto* statusBar = dynamic_cast<CStatusBar*>(GetControlBar(AFX_IDW_STATUS_BAR))) {
    statusBar->SetPaneText(0, text);
  }
}

QAction* CFrameWnd::GetCommandAction(unsigned id) {
  QAction*& action = actions_[id];
  if (action != nullptr) return action;
  action = new QAction(this);
  action->setData(id);
  const std::string_view text = LoadResourceString(id);
  action->setStatusTip(ToQString(StringPart(text, 0)));
  action->setToolTip(ToQString(StringPart(text, 1)));
  connect(action, &QAction::triggered, this, [this, id] { ExecuteCommand(id); });
  return action;
}

// Items are brought up to date when the event loop goes idle, so an item
// may still look enabled a moment after its command was disabled: the
// command is checked once more here, as a key can run it at any moment.
void CFrameWnd::ExecuteCommand(unsigned id) {
  if (IsCommandEnabled(id)) OnCmdMsg(id, CmdRequest::Execute, nullptr);
}

bool CFrameWnd::IsCommandEnabled(unsigned id) {
  EnabledCmdUI ui(id);
  ui.DoUpdate(*this, true);
  return ui.enabled;
}

void CFrameWnd::OnIdleUpdateCmdUI() {
  for (const auto& [id, action] : actions_) {
    ActionCmdUI ui(id, action);
    ui.DoUpdate(*this, true);
  }
}

CView* CFrameWnd::GetActiveView() const {
  return viewWidget_ != nullptr ? viewWidget_->GetView() : nullptr;
}

QWidget* CFrameWnd::GetViewWidget() const { return viewWidget_; }

bool CFrameWnd::OnCmdMsg(unsigned id, CmdRequest request, CCmdUI* ui) {
  if (CView* view = GetActiveView(); view && view->OnCmdMsg(id, request, ui)) return true;
  if (document_ != nullptr && document_->OnCmdMsg(id, request, ui)) return true;
  if (CCmdTarget::OnCmdMsg(id, request, ui)) return true;
  CWinApp* app = AfxGetApp();
  return app != nullptr && app->OnCmdMsg(id, request, ui);
}

void CFrameWnd::OnViewToolBar() { OnBarCheck(ID_VIEW_TOOLBAR); }
void CFrameWnd::OnUpdateViewToolBar(CCmdUI* ui) { OnUpdateControlBarMenu(ui); }
void CFrameWnd::OnViewStatusBar() { OnBarCheck(ID_VIEW_STATUS_BAR); }
void CFrameWnd::OnUpdateViewStatusBar(CCmdUI* ui) { OnUpdateControlBarMenu(ui); }

void CFrameWnd::OnUpdateNextPaneMenu(CCmdUI* ui) { ui->Enable(false); }

void CFrameWnd::DragAcceptFiles(bool accept) { setAcceptDrops(accept); }

void CFrameWnd::dragEnterEvent(QDragEnterEvent* event) {
  if (DraggedLocalFile(event->mimeData())) {
    event->acceptProposedAction();
  } else {
    event->ignore();
  }
}

// Several files: the first one opens. The open waits until the drop is over,
// so that an error message does not hold up the program the file came from.
void CFrameWnd::dropEvent(QDropEvent* event) {
  const std::optional<std::string> path = DraggedLocalFile(event->mimeData());
  if (!path) {
    event->ignore();
    return;
  }
  event->acceptProposedAction();
  activateWindow();
  QTimer::singleShot(0, this, [path = *path] {
    if (CWinApp* app = AfxGetApp()) app->OpenDocumentFile(path);
  });
}

void CFrameWnd::OnBarCheck(unsigned id) {
  if (CControlBar* bar = GetControlBar(id)) ShowControlBar(bar, !bar->IsVisible());
}

// A bar's item is checked while the bar shows, and greyed when there is no
// such bar.
void CFrameWnd::OnUpdateControlBarMenu(CCmdUI* ui) {
  CControlBar* bar = GetControlBar(ui->GetID());
  ui->Enable(bar != nullptr);
  if (bar != nullptr) ui->SetCheck(bar->IsVisible() ? 1 : 0);
}

// Prompts of the toolbar's buttons: an empty one (the pointer left a button)
// brings back the idle message. The menus' prompts never come here: the menu
// bar keeps them (CMenu.cpp).
bool CFrameWnd::event(QEvent* event) {
  switch (event->type()) {
    case QEvent::StatusTip: {
      const QString tip = static_cast<QStatusTipEvent*>(event)->tip();
      if (tip.isEmpty()) {
        SetMessageText(LoadResourceString(AFX_IDS_IDLEMESSAGE));
      } else {
        SetMessageText(tip.toStdString());
      }
      return true;
    }
    case QEvent::Show:
    case QEvent::Move:
    case QEvent::Resize:
      FitOuterSize();
      break;
    default:
      break;
  }
  return QMainWindow::event(event);
}

// Without a window manager there are no borders, and the client area already
// has the outer size.
void CFrameWnd::FitOuterSize() {
  if (!pendingOuterSize_.isValid()) return;
  const QSize borders = frameGeometry().size() - geometry().size();
  if (borders.isNull()) return;
  const QSize clientSize = pendingOuterSize_ - borders;
  pendingOuterSize_ = QSize();
  resize(clientSize);
}
