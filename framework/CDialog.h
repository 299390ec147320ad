#pragma once
// A dialog built from a dialog template: a window with a caption, in the
// template's font, whose controls are placed in dialog units converted to
// pixels from that font. DoModal shows it centred on its owner and waits:
// meanwhile the rest of the program takes no input. OK closes it with IDOK;
// Escape, a Cancel button and the caption's close box with IDCANCEL.
//
//   CAboutDlg aboutDlg;      // a CDialog on template IDD_ABOUTBOX
//   aboutDlg.DoModal();

#include "framework/CCmdTarget.h"
#include "framework/DialogUnits.h"

#include <map>

class QDialog;
class QWidget;

class CDialog : public CCmdTarget {
 public:
  // A dialog on template templateId. Its owner is parent or, without one, the
  // main window.
  explicit CDialog(unsigned templateId, QWidget* parent = nullptr);
  ~CDialog() override;
  CDialog(const CDialog&) = delete;
  CDialog& operator=(const CDialog&) = delete;

  // Builds the dialog, shows it and returns once it has closed: the id of the
  // button that closed it (IDOK, IDCANCEL), or -1 when there is no template.
  virtual int DoModal();

  // Called once the controls exist, before the dialog shows. The base class
  // does nothing and returns true.
  virtual bool OnInitDialog();

  // The OK button (or Enter on it): closes the dialog with IDOK.
  virtual void OnOK();

  // Escape, a Cancel button or the close box: closes the dialog with IDCANCEL.
  virtual void OnCancel();

  // Closes the dialog; DoModal then returns result.
  void EndDialog(int result);

  // While DoModal runs: the dialog's window, and the control with id (the
  // first one when several share it); null otherwise.
  QDialog* GetWindow() const { return window_; }
  QWidget* GetDlgItem(int id) const;

  // The dialog's base units while DoModal runs.
  DialogBaseUnits GetBaseUnits() const { return units_; }

  // A click on the push button with id: OK and Cancel close the dialog, any
  // other id goes to the dialog's message map.
  void OnButtonClicked(int id);

 private:
  unsigned templateId_;
  QWidget* parent_;
  QDialog* window_ = nullptr;
  DialogBaseUnits units_{};
  std::multimap<int, QWidget*> controls_;
};
