#pragma once
// The photo document: copies the first bytes of the opened photo into the
// process-wide capture buffer. It keeps no data of its own; what a load
// produces lives in captureState, which the view and the analysis read.

#include "framework/CDocument.h"

class CTarvonel6Doc : public CDocument {
 public:
  // The new-document step: the base class's reset only. The capture (and so
  // the last report on screen) is left as it is.
  bool OnNewDocument() override;

  // The load routine: raises photoLoaded, clears the whole capture buffer and
  // reads up to 4000 bytes of the file into it from position 0. Storing does
  // nothing: a photo is never written.
  void Serialize(CArchive& archive) override;
};
