#include "RenderMode.h"

#include "PhotoLoader.h"
#include "view/RenderView.h"

#include <QGuiApplication>
#include <QtGlobal>

#include <cstdio>

static_assert(kDefaultRenderSize.width == kViewClientSize.width() &&
              kDefaultRenderSize.height == kViewClientSize.height());

namespace {

// Qt's own notes about its surroundings (no runtime folder, no display...)
// mean nothing to the user of a command that only writes an image; its
// critical messages still reach standard error.
void QuietQtMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
  if (type == QtCriticalMsg || type == QtFatalMsg)
    std::fprintf(stderr, "tarvonel6-cli : %s\n", message.toLocal8Bit().constData());
}

}  // namespace

int RunRender(const CliOptions& options, int& argc, char** argv) {
  // No display is needed to paint into an image.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  qInstallMessageHandler(QuietQtMessages);
  QGuiApplication application(argc, argv);

  if (!options.paths.empty()) {
    PhotoLoader loader;
    const FileOutcome outcome = loader.Load(options.paths.front());
    if (outcome.status == LoadStatus::Failed) {
      std::fprintf(stderr, "tarvonel6-cli : %s\n", outcome.error.c_str());
      return 1;
    }
  }
  const ImageSize size = options.renderSize.value_or(kDefaultRenderSize);
  const RenderError error = RenderView(options.renderOutput, QSize(size.width, size.height));
  if (error != RenderError::None) {
    std::fprintf(stderr, "tarvonel6-cli : %s : %s\n", options.renderOutput.c_str(),
                 RenderErrorText(error));
    return 1;
  }
  return 0;
}
