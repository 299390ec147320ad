#pragma once
// The About dialog: the program's name and version, the main icon, what the
// program does and how, and its authors.

#include "framework/CDialog.h"
#include "resources/ResourceIds.h"

class CAboutDlg : public CDialog {
 public:
  CAboutDlg() : CDialog(IDD_ABOUTBOX) {}
};
