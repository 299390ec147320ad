#include "CStatusBar.h"

#include "framework/CFrameWnd.h"
#include "framework/QtText.h"
#include "resources/ResourceIds.h"
#include "resources/StringTable.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>

namespace {

bool IsLockKey(int key) {
  return key == Qt::Key_CapsLock || key == Qt::Key_NumLock || key == Qt::Key_ScrollLock;
}

// Whether the lock key of indicator id is on; false for other panes.
bool IsOn(unsigned id, const LockKeyState& keys) {
  switch (id) {
    case ID_INDICATOR_CAPS:
      return keys.capsLock;
    case ID_INDICATOR_NUM:
      return keys.numLock;
    case ID_INDICATOR_SCRL:
      return keys.scrollLock;
    default:
      return false;
  }
}

bool IsLockIndicator(unsigned id) {
  return id == ID_INDICATOR_CAPS || id == ID_INDICATOR_NUM || id == ID_INDICATOR_SCRL;
}

}  // namespace

CStatusBar::CStatusBar() : readLockKeys_(ReadLockKeys) {}

bool CStatusBar::Create(CFrameWnd* frame, DWORD style, unsigned id) {
  if (frame == nullptr) return false;
  setObjectName(QStringLiteral("statusbar-%1").arg(id));
  frame->setStatusBar(this);
  setVisible((style & WS_VISIBLE) != 0);
  AttachToFrame(frame, id);
  return true;
}

// A pane other than the message pane keeps the width of its string, so that
// the lock panes do not move when their text comes and goes.
bool CStatusBar::SetIndicators(std::span<const unsigned> ids) {
  for (unsigned id : ids) {
    if (id != ID_SEPARATOR && LoadResourceString(id).empty()) return false;
  }
  for (const Pane& pane : panes_) delete pane.label;
  panes_.clear();
  bool watchLockKeys = false;
  for (unsigned id : ids) {
    auto* label = new QLabel(this);
    if (id == ID_SEPARATOR) {
      // A long prompt is cut at the pane's edge rather than widening the window.
      label->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
      addWidget(label, 1);
    } else {
      const QString text = ToQString(LoadResourceString(id));
      label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
      label->setAlignment(Qt::AlignCenter);
      label->setText(text);
      label->setFixedWidth(label->sizeHint().width() + label->fontMetrics().averageCharWidth());
      addPermanentWidget(label);
      watchLockKeys = watchLockKeys || IsLockIndicator(id);
    }
    panes_.push_back({id, label});
  }
  if (watchLockKeys) qApp->installEventFilter(this);
  RefreshLockIndicators();
  return true;
}

unsigned CStatusBar::GetItemID(int index) const {
  return index >= 0 && index < GetCount() ? panes_[index].id : 0;
}

std::string CStatusBar::GetPaneText(int index) const {
  return index >= 0 && index < GetCount() ? panes_[index].label->text().toStdString() : std::string();
}

void CStatusBar::SetPaneText(int index, std::string_view text) {
  if (index >= 0 && index < GetCount()) panes_[index].label->setText(ToQString(text));
}

void CStatusBar::RefreshLockIndicators() {
  const std::optional<LockKeyState> keys = readLockKeys_ ? readLockKeys_() : std::nullopt;
  for (int i = 0; i < GetCount(); ++i) {
    const unsigned id = panes_[i].id;
    if (!IsLockIndicator(id)) continue;
    SetPaneText(i, keys && IsOn(id, *keys) ? LoadResourceString(id) : std::string_view());
  }
}

// A key event travels up from the focused widget, passing here once per
// widget: the timestamp lets one press refresh once.
bool CStatusBar::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease: {
      const auto* key = static_cast<QKeyEvent*>(event);
      if (IsLockKey(key->key()) &&
          (key->timestamp() != lastKeyTimestamp_ || key->type() != lastKeyType_)) {
        lastKeyTimestamp_ = key->timestamp();
        lastKeyType_ = key->type();
        RefreshLockIndicators();
      }
      break;
    }
    case QEvent::WindowActivate:
      if (watched->isWidgetType() && static_cast<QWidget*>(watched)->isWindow()) {
        RefreshLockIndicators();
      }
      break;
    default:
      break;
  }
  return QStatusBar::eventFilter(watched, event);
}
