// paint-doc-images FOLDER: writes banner.png (no photo yet) and report.png (the
// D70 sample photo's report), both at the main window's view size, for the
// documentation.

#include "SampleCapture.h"
#include "view/CTarvonel6View.h"
#include "view/RenderView.h"

#include <QDir>
#include <QGuiApplication>

#include <cstdio>

namespace {

bool Save(CTarvonel6View& view, const QDir& folder, const char* name) {
  const QString path = folder.filePath(name);
  if (PaintViewImage(view, kViewClientSize).save(path, "PNG")) return true;
  std::fprintf(stderr, "paint-doc-images : impossible d'écrire %s\n", qPrintable(path));
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fputs("Usage : paint-doc-images DOSSIER\n", stderr);
    return 2;
  }
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication application(argc, argv);
  const QDir folder(QFile::decodeName(argv[1]));
  CTarvonel6View view;
  if (!Save(view, folder, "banner.png")) return 1;
  LoadSampleD70();
  return Save(view, folder, "report.png") ? 0 : 1;
}
