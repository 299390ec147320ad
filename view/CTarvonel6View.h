#pragma once
// The result view: paints the grey area and the banner on every paint and,
// once a photo has been read, the report of the capture over a fresh grey area.
// It answers the "Mode d'emploi" command and keeps that item and Open enabled.

#include "framework/CFont.h"
#include "framework/CView.h"

class CTarvonel6View : public CView {
 public:
  CTarvonel6View() = default;
  // Deletes the display font, if one was made.
  ~CTarvonel6View() override;

  // The painting: background, banner and, when a photo is loaded, its report.
  void OnDraw(CDC* pDC) override;

  // The display font, empty until the first paint of the process makes it.
  const CFont& DisplayFont() const { return m_displayFont; }

  // "Mode d'emploi": shows the usage dialog.
  void OnUsage();

  // Keep "Mode d'emploi" and Open enabled, photo or not.
  void OnUpdateUsage(CCmdUI* pCmdUI);
  void OnUpdateFileOpen(CCmdUI* pCmdUI);

 protected:
  static const MessageMap* ThisMessageMap();
  const MessageMap* GetMessageMap() const override { return ThisMessageMap(); }

 private:
  // Makes the display font on the first paint of the process; tried once only.
  void CreateDisplayFontOnce();

  CFont m_displayFont;
};
