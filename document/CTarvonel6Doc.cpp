#include "CTarvonel6Doc.h"

#include "CaptureState.h"
#include "framework/CArchive.h"

// Nothing of the photo's capture is touched.
bool CTarvonel6Doc::OnNewDocument() { return CDocument::OnNewDocument(); }

// The flag goes up before the read, so a read error still leaves it at 1; the
// zeros after a short file come from the clear, so the count read is not kept.
//
//   captureBuffer: | 0 .. n-1: file bytes | n .. 3999: zero | 4000 .. 4999: zero |
//                  n = min(file length, 4000)
void CTarvonel6Doc::Serialize(CArchive& archive) {
  if (archive.IsStoring()) return;
  captureState.photoLoaded = 1;
  captureState.captureBuffer.fill(0);
  archive.GetFile().Read(captureState.captureBuffer.data(), kCaptureReadSize);
}
