#pragma once
// The usage dialog ("Mode d'emploi"): how to open a photo and what the
// program shows for which cameras.

#include "framework/CDialog.h"
#include "resources/ResourceIds.h"

class CUsageDlg : public CDialog {
 public:
  CUsageDlg() : CDialog(IDD_USAGE) {}
};
