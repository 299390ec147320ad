// fuzz_load: any bytes, written to a file and opened through the open sequence
// into a fresh photo document. The capture holds exactly the file's first
// bytes, and no descriptor is left open.

#include "ReportInvariants.h"
#include "ScratchFile.h"
#include "document/CTarvonel6Doc.h"
#include "document/CaptureState.h"
#include "framework/OpenSequence.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const ScratchFile file;
  file.Write(data, size);
  const std::size_t descriptors = OpenDescriptorCount();
  captureState = {};
  CTarvonel6Doc document;
  RequireKept(OpenDocumentFile(document, file.Path()) ? "" : "a regular file was refused");
  RequireKept(BrokenCaptureRule(CaptureView(data, size), captureState.captureBuffer,
                                captureState.photoLoaded));
  RequireKept(OpenDescriptorCount() == descriptors ? "" : "a descriptor was left open");
  return 0;
}
