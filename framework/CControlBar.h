#pragma once
// The bars along the frame's edges (the toolbar, the status bar): each carries
// a control id, the id of the command that shows and hides it, by which the
// frame finds it.

#include <cstdint>

class CFrameWnd;
class QWidget;

using DWORD = std::uint32_t;

// Styles of a bar, given when it is created.
inline constexpr DWORD WS_VISIBLE = 0x0001;         // shown from the start
inline constexpr DWORD CBRS_ALIGN_LEFT = 0x0010;    // dock sides
inline constexpr DWORD CBRS_ALIGN_TOP = 0x0020;
inline constexpr DWORD CBRS_ALIGN_RIGHT = 0x0040;
inline constexpr DWORD CBRS_ALIGN_BOTTOM = 0x0080;
inline constexpr DWORD CBRS_ALIGN_ANY = 0x00F0;
inline constexpr DWORD CBRS_TOP = CBRS_ALIGN_TOP;        // placed at the top edge
inline constexpr DWORD CBRS_BOTTOM = CBRS_ALIGN_BOTTOM;  // placed at the bottom edge
inline constexpr DWORD CBRS_GRIPPER = 0x0100;       // a handle to drag the bar by
inline constexpr DWORD CBRS_TOOLTIPS = 0x0200;      // buttons show their tooltips
inline constexpr DWORD CBRS_FLYBY = 0x0400;         // buttons put their prompt in the status bar
inline constexpr DWORD TBSTYLE_FLAT = 0x1000;       // toolbar buttons drawn flat until pointed at

class CControlBar {
 public:
  // Makes the frame forget the bar.
  virtual ~CControlBar();

  // The bar's control id: the id of the command that shows and hides it.
  unsigned GetDlgCtrlID() const { return id_; }

  // The bar as a widget, to show, hide and place.
  virtual QWidget* GetWidget() = 0;

  // Whether the bar is shown (in a shown frame) rather than hidden.
  bool IsVisible();

 protected:
  // Called by Create: makes the bar known to frame under id.
  void AttachToFrame(CFrameWnd* frame, unsigned id);

  CFrameWnd* GetParentFrame() const { return frame_; }

 private:
  CFrameWnd* frame_ = nullptr;
  unsigned id_ = 0;
};
