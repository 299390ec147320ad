#include "CDialog.h"

#include "framework/CFrameWnd.h"
#include "framework/CWinApp.h"
#include "framework/DialogControls.h"
#include "framework/QtText.h"
#include "resources/DialogResource.h"
#include "resources/ResourceIds.h"

#include <QAbstractButton>
#include <QDialog>

namespace {

// The dialog's window: Escape and the close box both come here as a
// rejection, which the dialog object decides about.
class DialogWindow : public QDialog {
 public:
  DialogWindow(CDialog& dialog, QWidget* owner, Qt::WindowFlags flags)
      : QDialog(owner, flags), dialog_(dialog) {}

  void reject() override { dialog_.OnCancel(); }

 private:
  CDialog& dialog_;
};

// A caption with a close box, and nothing else: no context help, no sizing.
Qt::WindowFlags FlagsOf(const DialogTemplate& dialog) {
  Qt::WindowFlags flags = Qt::Dialog | Qt::CustomizeWindowHint;
  if (dialog.style & kCaption) flags |= Qt::WindowTitleHint;
  if (dialog.style & kSystemMenu) flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
  return flags;
}

QWidget* MainWindow() {
  CWinApp* app = AfxGetApp();
  return app != nullptr ? app->m_pMainWnd : nullptr;
}

}  // namespace

CDialog::CDialog(unsigned templateId, QWidget* parent) : templateId_(templateId), parent_(parent) {}

CDialog::~CDialog() = default;

// The window lives on this stack frame: each DoModal builds the dialog
// afresh and lets it go when it closes. A template at (0, 0) is centred on
// the owner (Qt does so for a dialog that has not been moved); any other
// position is counted from the owner's top-left corner.
int CDialog::DoModal() {
  const DialogTemplate* dialog = FindDialogTemplate(templateId_);
  if (dialog == nullptr) return -1;
  QWidget* owner = parent_ != nullptr ? parent_ : MainWindow();
  DialogWindow window(*this, owner, FlagsOf(*dialog));
  window.setWindowTitle(ToQString(dialog->caption));
  window.setFont(DialogFont(dialog->fontFace, dialog->fontPoints, window.logicalDpiY()));
  units_ = BaseUnitsOf(window.font());

  const QRect frame = DialogRectToPixels(dialog->rect, units_);
  if (dialog->style & kModalFrame) {
    window.setFixedSize(frame.size());
  } else {
    window.resize(frame.size());
  }
  if (owner != nullptr && (dialog->rect.x != 0 || dialog->rect.y != 0)) {
    window.move(owner->mapToGlobal(frame.topLeft()));
  }

  for (const DialogControl& control : dialog->controls) {
    QWidget* widget = CreateDialogControl(control, units_, &window);
    controls_.emplace(control.id, widget);
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
      QObject::connect(button, &QAbstractButton::clicked, &window,
                       [this, id = control.id] { OnButtonClicked(id); });
    }
  }

  window_ = &window;
  OnInitDialog();
  const int result = window.exec();
  window_ = nullptr;
  controls_.clear();
  return result;
}

bool CDialog::OnInitDialog() { return true; }

void CDialog::OnOK() { EndDialog(IDOK); }

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

void CDialog::EndDialog(int result) {
  if (window_ != nullptr) window_->done(result);
}

QWidget* CDialog::GetDlgItem(int id) const {
  const auto found = controls_.find(id);
  return found != controls_.end() ? found->second : nullptr;
}

void CDialog::OnButtonClicked(int id) {
  if (id == IDOK) {
    OnOK();
  } else if (id == IDCANCEL) {
    OnCancel();
  } else {
    OnCmdMsg(static_cast<unsigned>(id), CmdRequest::Execute, nullptr);
  }
}
