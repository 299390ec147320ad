#include "RenderView.h"

#include "view/CTarvonel6View.h"

#include <QFile>
#include <QGuiApplication>

namespace {

constexpr int kLargestSide = 10000;

bool IsRenderableSize(QSize size) {
  return size.width() > 0 && size.height() > 0 && size.width() <= kLargestSide &&
         size.height() <= kLargestSide;
}

}  // namespace

const char* RenderErrorText(RenderError error) {
  switch (error) {
    case RenderError::None: return "Aucune erreur.";
    case RenderError::BadSize: return "Taille d'image non valide (de 1x1 à 10000x10000).";
    case RenderError::NoApplication: return "Le rendu graphique n'est pas disponible.";
    case RenderError::OutOfMemory: return "Mémoire insuffisante pour l'image.";
    case RenderError::CannotWrite: return "Impossible d'écrire l'image PNG.";
  }
  return "Erreur inconnue.";
}

QImage PaintViewImage(CTarvonel6View& view, QSize size) {
  if (!IsRenderableSize(size)) return {};
  QImage image(size, QImage::Format_RGB32);
  if (image.isNull()) return {};
  view.SetPaintDevice(&image);
  view.OnPaint();
  view.SetPaintDevice(nullptr);
  return image;
}

RenderError RenderView(const std::string& pngPath, QSize size) {
  if (!IsRenderableSize(size)) return RenderError::BadSize;
  if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()) == nullptr) {
    return RenderError::NoApplication;
  }
  CTarvonel6View view;
  const QImage image = PaintViewImage(view, size);
  if (image.isNull()) return RenderError::OutOfMemory;
  const QString path = QFile::decodeName(QByteArray::fromStdString(pngPath));
  return image.save(path, "PNG") ? RenderError::None : RenderError::CannotWrite;
}
