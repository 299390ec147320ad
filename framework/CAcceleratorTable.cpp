#include "CAcceleratorTable.h"

#include "framework/CFrameWnd.h"

#include <QAction>
#include <QList>

#include <map>

namespace {

// A letter's Qt key is its upper-case character code.
Qt::Key QtKeyOf(unsigned key) {
  switch (key) {
    case kKeyBackspace:
      return Qt::Key_Backspace;
    case kKeyDelete:
      return Qt::Key_Delete;
    case kKeyInsert:
      return Qt::Key_Insert;
    case kKeyF6:
      return Qt::Key_F6;
    default:
      return static_cast<Qt::Key>(key);
  }
}

}  // namespace

QKeySequence KeySequenceOf(const Accelerator& accelerator) {
  Qt::KeyboardModifiers modifiers;
  if (accelerator.modifiers & kAccelCtrl) modifiers |= Qt::ControlModifier;
  if (accelerator.modifiers & kAccelShift) modifiers |= Qt::ShiftModifier;
  if (accelerator.modifiers & kAccelAlt) modifiers |= Qt::AltModifier;
  return QKeySequence(QKeyCombination(modifiers, QtKeyOf(accelerator.key)));
}

// A command may have several keys (Ctrl+Z and Alt+Backspace both undo). The
// actions are added to the frame itself, so that keys for commands that are
// in no menu and on no button work too.
bool LoadAccelTable(CFrameWnd& frame, unsigned resourceId) {
  const AcceleratorTable* table = FindAcceleratorTable(resourceId);
  if (table == nullptr) return false;
  std::map<unsigned, QList<QKeySequence>> keysOfCommand;
  for (const Accelerator& accelerator : table->keys) {
    keysOfCommand[accelerator.command].append(KeySequenceOf(accelerator));
  }
  for (const auto& [command, keys] : keysOfCommand) {
    QAction* action = frame.GetCommandAction(command);
    action->setShortcuts(keys);
    frame.addAction(action);
  }
  return true;
}
