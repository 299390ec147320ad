#include "DisplayCheck.h"

#include <QString>
#include <QtGlobal>

#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

constexpr const char* kUseCli = " ; pour lire une photo sans fenêtre, utilisez tarvonel6-cli.";

const char* Variable(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr && *value != '\0' ? value : nullptr;
}

// Qt's notes held back by the guard, with the handler they go to.
struct HeldNote {
  QtMsgType type;
  const char* file;
  int line;
  const char* function;
  const char* category;
  QString text;
};
std::vector<HeldNote> heldNotes;
QtMessageHandler handlerBeforeGuard = nullptr;

// A fatal note while the application object is made is Qt giving up on the
// display; it would abort right after this returns.
void HoldNote(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  if (type == QtFatalMsg) {
    std::fprintf(stderr, "%s\n", UnreachableDisplayMessage().c_str());
    std::_Exit(1);
  }
  heldNotes.push_back(
      {type, context.file, context.line, context.function, context.category, text});
}

}  // namespace

std::optional<std::string> MissingDisplayMessage() {
  if (Variable("QT_QPA_PLATFORM") || Variable("WAYLAND_DISPLAY") || Variable("DISPLAY")) {
    return std::nullopt;
  }
  return std::string("tarvonel6 : aucun écran disponible (ni DISPLAY, ni WAYLAND_DISPLAY, ni "
                     "QT_QPA_PLATFORM)") +
         kUseCli;
}

std::string UnreachableDisplayMessage() {
  const char* display = Variable("QT_QPA_PLATFORM");
  if (display == nullptr) display = Variable("WAYLAND_DISPLAY");
  if (display == nullptr) display = Variable("DISPLAY");
  return std::string("tarvonel6 : impossible d'ouvrir l'écran « ") + (display ? display : "") +
         " »" + kUseCli;
}

DisplayConnectionGuard::DisplayConnectionGuard() {
  heldNotes.clear();
  handlerBeforeGuard = qInstallMessageHandler(HoldNote);
}

DisplayConnectionGuard::~DisplayConnectionGuard() {
  qInstallMessageHandler(handlerBeforeGuard);
  for (const HeldNote& note : heldNotes) {
    if (handlerBeforeGuard != nullptr) {
      const QMessageLogContext context(note.file, note.line, note.function, note.category);
      handlerBeforeGuard(note.type, context, note.text);
    } else {
      std::fprintf(stderr, "%s\n", qPrintable(note.text));
    }
  }
  heldNotes.clear();
}
