#include "PhotoLoader.h"

#include "analysis/AnalyseCapture.h"
#include "document/CTarvonel6Doc.h"
#include "document/CaptureState.h"
#include "framework/CDocument.h"
#include "framework/OpenSequence.h"

PhotoLoader::PhotoLoader()
    : previous_(SetMessageHandler(
          [this](std::string_view text, MessageIcon) { lastMessage_.assign(text); })) {}

PhotoLoader::~PhotoLoader() { SetMessageHandler(std::move(previous_)); }

FileOutcome PhotoLoader::Load(std::string_view pathAsGiven) {
  lastMessage_.clear();
  captureState = {};
  CTarvonel6Doc document;
  FileOutcome outcome;
  if (!OpenDocumentFile(document, pathAsGiven)) {
    outcome.status = LoadStatus::Failed;
    outcome.error = lastMessage_.empty() ? kOpenFailedMessage : lastMessage_;
  } else if (captureState.photoLoaded != 1) {
    outcome.status = LoadStatus::Empty;
  } else {
    outcome.status = LoadStatus::Loaded;
    outcome.report = AnalyseCapture(captureState.captureBuffer);
  }
  return outcome;
}
