#include "CSingleDocTemplate.h"

#include "framework/CDocument.h"
#include "framework/CFrameWnd.h"
#include "framework/CView.h"
#include "framework/CWinApp.h"
#include "framework/MessageBox.h"
#include "framework/OpenSequence.h"
#include "resources/ResourceIds.h"
#include "resources/StringTable.h"

CSingleDocTemplate::CSingleDocTemplate(unsigned resourceId, DocumentFactory createDocument,
                                       FrameFactory createFrame, ViewFactory createView)
    : resourceId_(resourceId),
      docString_(ParseDocumentString(LoadResourceString(resourceId))),
      createDocument_(std::move(createDocument)),
      createFrame_(std::move(createFrame)),
      createView_(std::move(createView)) {}

// The frame (with its view) goes before the document it shows.
CSingleDocTemplate::~CSingleDocTemplate() { DestroyFrame(); }

CDocument* CSingleDocTemplate::OpenDocumentFile(std::optional<std::string_view> path,
                                                bool makeVisible) {
  if (!document_) document_ = createDocument_();
  const bool firstStep = !frame_;
  if (firstStep && document_) frame_ = CreateNewFrame();
  if (!document_ || !frame_) {
    ShowMessage(LoadResourceString(AFX_IDP_FAILED_TO_CREATE_DOC));
    return nullptr;
  }

  bool succeeded = true;
  if (!path) {
    NewDocument(*document_);
  } else {
    succeeded = ::OpenDocumentFile(*document_, *path);
    if (succeeded && AfxGetApp() != nullptr) AfxGetApp()->AddToRecentFileList(document_->GetPathName());
  }
  if (!succeeded && firstStep) {
    DestroyFrame();
    return nullptr;
  }
  // A failed read may have reset the document: the title and the picture
  // follow it either way.
  frame_->InitialUpdateFrame(document_.get(), firstStep && makeVisible);
  return succeeded ? document_.get() : nullptr;
}

std::unique_ptr<CFrameWnd> CSingleDocTemplate::CreateNewFrame() {
  std::unique_ptr<CFrameWnd> frame = createFrame_();
  if (!frame) return nullptr;
  CCreateContext context{document_.get(), createView_};
  if (!frame->LoadFrame(resourceId_, &context)) return nullptr;
  if (AfxGetApp() != nullptr && AfxGetApp()->m_pMainWnd == nullptr) AfxGetApp()->m_pMainWnd = frame.get();
  return frame;
}

void CSingleDocTemplate::DestroyFrame() {
  if (AfxGetApp() != nullptr && AfxGetApp()->m_pMainWnd == frame_.get()) AfxGetApp()->m_pMainWnd = nullptr;
  frame_.reset();
}
