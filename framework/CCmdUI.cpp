#include "CCmdUI.h"

#include "framework/CCmdTarget.h"

void CCmdUI::DoUpdate(CCmdTarget& target, bool disableIfNoHandler) {
  enableChanged_ = false;
  if (target.OnCmdMsg(id_, CmdRequest::Update, this)) return;
  if (disableIfNoHandler && !enableChanged_) {
    Enable(target.OnCmdMsg(id_, CmdRequest::Probe, nullptr));
  }
}
