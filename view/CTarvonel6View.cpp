#include "CTarvonel6View.h"

#include "analysis/AnalyseCapture.h"
#include "app/CUsageDlg.h"
#include "document/CaptureState.h"
#include "framework/CBrush.h"
#include "framework/CCmdUI.h"
#include "framework/CDC.h"
#include "resources/ResourceIds.h"
#include "view/ReportLayout.h"

#include <cstring>
#include <optional>
#include <vector>

namespace {

// The surface's form of a layout colour.
COLORREF ToColorRef(Rgb colour) { return RGB(colour.r, colour.g, colour.b); }

// Times New Roman with a character cell 40 pixels high, everything else default.
LOGFONTA DisplayFontDescription() {
  LOGFONTA logFont{};
  logFont.lfHeight = 40;
  logFont.lfWeight = FW_NORMAL;
  logFont.lfCharSet = ANSI_CHARSET;
  logFont.lfOutPrecision = OUT_DEFAULT_PRECIS;
  logFont.lfClipPrecision = CLIP_DEFAULT_PRECIS;
  logFont.lfQuality = DEFAULT_QUALITY;
  logFont.lfPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
  static constexpr char kFace[] = "Times new roman";
  static_assert(sizeof kFace <= LF_FACESIZE);
  std::memcpy(logFont.lfFaceName, kFace, sizeof kFace);
  return logFont;
}

// Paints texts in order, setting the text colour just before the first text
// that uses it; current is the colour the surface already draws text in.
void PaintTexts(CDC* pDC, const std::vector<PlacedText>& texts, std::optional<Rgb> current) {
  for (const PlacedText& placed : texts) {
    if (placed.colour != current) {
      pDC->SetTextColor(ToColorRef(placed.colour));
      current = placed.colour;
    }
    pDC->TextOut(placed.x, placed.y, placed.text.data(), static_cast<int>(placed.text.size()));
  }
}

}  // namespace

CTarvonel6View::~CTarvonel6View() { m_displayFont.DeleteObject(); }

const MessageMap* CTarvonel6View::ThisMessageMap() {
  static const MessageMapEntry entries[] = {
      OnCommand(ID_USAGE, &CTarvonel6View::OnUsage),
      OnUpdateCommandUI(ID_USAGE, &CTarvonel6View::OnUpdateUsage),
      OnUpdateCommandUI(ID_FILE_OPEN, &CTarvonel6View::OnUpdateFileOpen),
  };
  static const MessageMap map{nullptr, entries};
  return &map;
}

void CTarvonel6View::OnUsage() {
  CUsageDlg usageDlg;
  usageDlg.DoModal();
}

void CTarvonel6View::OnUpdateUsage(CCmdUI* pCmdUI) { pCmdUI->Enable(true); }

void CTarvonel6View::OnUpdateFileOpen(CCmdUI* pCmdUI) { pCmdUI->Enable(true); }

void CTarvonel6View::CreateDisplayFontOnce() {
  if (captureState.fontCreated != 0) return;
  const LOGFONTA logFont = DisplayFontDescription();
  m_displayFont.Attach(CreateFontIndirectA(&logFont));
  // Set even when no font could be made: the surface's default font then
  // serves for the rest of the run.
  captureState.fontCreated = 1;
}

void CTarvonel6View::OnDraw(CDC* pDC) {
  CRect client;
  GetClientRect(&client);
  CBrush background(ToColorRef(Colours::kBackground));
  pDC->SelectObject(&background);
  pDC->Rectangle(client.left, client.top, client.right, client.bottom);

  CreateDisplayFontOnce();
  if (m_displayFont.GetSafeHandle() != nullptr) pDC->SelectObject(&m_displayFont);
  pDC->SetBkColor(ToColorRef(Colours::kBackground));

  PaintTexts(pDC, LayOutBanner(), std::nullopt);
  pDC->SetTextColor(ToColorRef(Colours::kYellow));
  if (captureState.photoLoaded != 1) return;

  // A fresh grey area over the banner, then the report of the capture.
  pDC->Rectangle(client.left, client.top, client.right, client.bottom);
  PaintTexts(pDC, LayOutReport(AnalyseCapture(captureState.captureBuffer)), Colours::kYellow);
}
