#include "CToolBar.h"

#include "framework/CFrameWnd.h"
#include "framework/QtText.h"
#include "resources/ToolbarResource.h"

#include <QAction>
#include <QEvent>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QToolButton>

namespace {

// Pixels of this grey in a toolbar bitmap are the button face: transparent.
constexpr QRgb kButtonFace = qRgb(192, 192, 192);

// The frame a toolbar button draws around its image.
constexpr int kButtonFrame = 7;

// The bitmap with its button-face pixels made transparent.
QImage LoadToolbarBitmap(std::string_view path) {
  QImage image(ToQString(path));
  if (image.isNull()) return image;
  image = image.convertToFormat(QImage::Format_ARGB32);
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if ((image.pixel(x, y) & 0xFFFFFF) == (kButtonFace & 0xFFFFFF)) image.setPixel(x, y, 0);
    }
  }
  return image;
}

}  // namespace

Qt::ToolBarArea ToolBarAreaOf(DWORD alignStyle) {
  if (alignStyle & CBRS_ALIGN_TOP) return Qt::TopToolBarArea;
  if (alignStyle & CBRS_ALIGN_BOTTOM) return Qt::BottomToolBarArea;
  if (alignStyle & CBRS_ALIGN_LEFT) return Qt::LeftToolBarArea;
  if (alignStyle & CBRS_ALIGN_RIGHT) return Qt::RightToolBarArea;
  return Qt::TopToolBarArea;
}

Qt::ToolBarAreas ToolBarAreasOf(DWORD alignStyle) {
  Qt::ToolBarAreas areas;
  if (alignStyle & CBRS_ALIGN_TOP) areas |= Qt::TopToolBarArea;
  if (alignStyle & CBRS_ALIGN_BOTTOM) areas |= Qt::BottomToolBarArea;
  if (alignStyle & CBRS_ALIGN_LEFT) areas |= Qt::LeftToolBarArea;
  if (alignStyle & CBRS_ALIGN_RIGHT) areas |= Qt::RightToolBarArea;
  return areas;
}

// Until docking is enabled the bar stays on its edge.
bool CToolBar::CreateEx(CFrameWnd* frame, DWORD ctrlStyle, DWORD style, unsigned id) {
  if (frame == nullptr) return false;
  style_ = style | ctrlStyle;
  setObjectName(QStringLiteral("toolbar-%1").arg(id));
  setMovable((style & CBRS_GRIPPER) != 0);
  setFloatable(false);
  setAllowedAreas(ToolBarAreaOf(style));
  frame->addToolBar(ToolBarAreaOf(style), this);
  setVisible((style & WS_VISIBLE) != 0);
  AttachToFrame(frame, id);
  return true;
}

bool CToolBar::LoadToolBar(unsigned resourceId) {
  const ToolbarResource* resource = FindToolbarResource(resourceId);
  if (resource == nullptr || GetParentFrame() == nullptr) return false;
  const QImage bitmap = LoadToolbarBitmap(resource->bitmapPath);
  const QSize imageSize(resource->imageWidth, resource->imageHeight);
  int image = 0;
  for (unsigned command : resource->commands) image += command != 0;
  if (bitmap.width() < image * imageSize.width() || bitmap.height() < imageSize.height()) return false;

  clear();
  setIconSize(imageSize);
  image = 0;
  for (unsigned command : resource->commands) {
    if (command == 0) {
      addSeparator();
      continue;
    }
    QAction* action = GetParentFrame()->GetCommandAction(command);
    const QRect source(QPoint(image++ * imageSize.width(), 0), imageSize);
    action->setIcon(QIcon(QPixmap::fromImage(bitmap.copy(source))));
    addAction(action);
    if (auto* button = qobject_cast<QToolButton*>(widgetForAction(action))) {
      button->setFixedSize(imageSize + QSize(kButtonFrame, kButtonFrame));
      button->setAutoRaise((style_ & TBSTYLE_FLAT) != 0);
      button->installEventFilter(this);
    }
  }
  return true;
}

void CToolBar::EnableDocking(DWORD dockStyle) {
  dockStyle_ = dockStyle & CBRS_ALIGN_ANY;
  setAllowedAreas(ToolBarAreasOf(dockStyle_));
  setFloatable(dockStyle_ != 0);
  setMovable(dockStyle_ != 0 || (style_ & CBRS_GRIPPER) != 0);
}

int CToolBar::GetCount() const { return static_cast<int>(actions().size()); }

unsigned CToolBar::GetItemID(int index) const {
  const QList<QAction*> items = actions();
  if (index < 0 || index >= items.size() || items[index]->isSeparator()) return 0;
  return items[index]->data().toUInt();
}

QRect CToolBar::GetItemRect(int index) const {
  const QList<QAction*> items = actions();
  if (index < 0 || index >= items.size()) return {};
  const QWidget* item = widgetForAction(items[index]);
  return item != nullptr ? item->geometry() : QRect();
}

bool CToolBar::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::ToolTip && !(style_ & CBRS_TOOLTIPS)) return true;
  if (event->type() == QEvent::StatusTip && !(style_ & CBRS_FLYBY)) return true;
  return QToolBar::eventFilter(watched, event);
}
