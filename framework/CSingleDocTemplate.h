#pragma once
// The single-document template: ties one document class, one frame class and
// one view class together under a resource id. On the first new-document or
// open step it creates the document, then the frame (whose creation makes the
// view); later steps reuse all three. After each step it titles the frame and
// has the view repainted.

#include "resources/DocumentString.h"

#include <functional>
#include <memory>
#include <optional>
#include <string_view>

class CDocument;
class CFrameWnd;
class CView;

class CSingleDocTemplate {
 public:
  using DocumentFactory = std::function<std::unique_ptr<CDocument>()>;
  using FrameFactory = std::function<std::unique_ptr<CFrameWnd>()>;
  using ViewFactory = std::function<std::unique_ptr<CView>()>;

  // resourceId names the document string and the frame's resources.
  CSingleDocTemplate(unsigned resourceId, DocumentFactory createDocument, FrameFactory createFrame,
                     ViewFactory createView);
  ~CSingleDocTemplate();

  // The seven fields of the document string (string resourceId).
  const DocumentString& GetDocString() const { return docString_; }

  // Opens path into the document, or starts a new document when path is
  // nullopt. The first call creates document, frame and view, and shows the
  // frame if makeVisible; if that first step fails, the frame goes again.
  // Returns the document, or null when the step failed (its message shown).
  CDocument* OpenDocumentFile(std::optional<std::string_view> path, bool makeVisible);

  CDocument* GetDocument() const { return document_.get(); }
  CFrameWnd* GetFrame() const { return frame_.get(); }

 private:
  // Makes the frame and, through its creation, the view. Null on failure.
  std::unique_ptr<CFrameWnd> CreateNewFrame();

  // Lets the frame and view go, and tells the application.
  void DestroyFrame();

  unsigned resourceId_;
  DocumentString docString_;
  DocumentFactory createDocument_;
  FrameFactory createFrame_;
  ViewFactory createView_;
  std::unique_ptr<CDocument> document_;
  std::unique_ptr<CFrameWnd> frame_;
};

// The factory of a class the template creates: RuntimeClass<CMainFrame>().
template <class T>
auto RuntimeClass() {
  return [] { return std::make_unique<T>(); };
}
