#include "CFileException.h"

#include <array>
#include <cerrno>
#include <utility>

namespace {

using Cause = CFileException::Cause;

// The texts, indexed by cause number.
constexpr std::array<std::string_view, 15> kTemplates = {
    "Aucune erreur ne s'est produite.",
    "Une erreur inconnue s'est produite lors de l'accès à %1.",
    "Impossible de trouver %1.",
    "%1 contient un chemin non valide.",
    "Impossible d'ouvrir %1 car il y a trop de fichiers ouverts.",
    "L'accès à %1 a été refusé.",
    "Un descripteur de fichier non valide a été associé à %1.",
    "Impossible d'enlever %1 car c'est le répertoire courant.",
    "Impossible de créer %1 car le répertoire est plein.",
    "Echec de la recherche sur %1",
    "Une erreur d'E/S matérielle a été reportée lors de l'accès à %1.",
    "Une violation de partage s'est produite lors de l'accès à %1.",
    "Une violation de verrouillage s'est produite lors de l'accès à %1.",
    "Disque plein lors de l'accès à %1.",
    "Tentative d'accès à %1 après sa fin.",
};

// Replaces the first "%1" of text by path.
std::string FillPath(std::string_view text, std::string_view path) {
  std::string out(text);
  if (const auto at = out.find("%1"); at != std::string::npos) {
    out.replace(at, 2, path);
  }
  return out;
}

}  // namespace

// Keeps the cause and path, and composes the message once for what().
CFileException::CFileException(Cause cause, std::string path, int osError)
    : cause(cause), path(std::move(path)), osError(osError),
      message_(FillPath(MessageTemplate(cause), this->path)) {}

// Sorts errno values by what they mean to someone opening a photo: missing,
// badly named, refused, not a plain file, held by another program, and so on.
CFileException::Cause CFileException::CauseFromErrno(int osError) {
  switch (osError) {
    case 0: return Cause::none;
    case ENOENT: case EBADF: case ESTALE:
      return Cause::fileNotFound;
    case ENOTDIR: case ENAMETOOLONG: case ELOOP: case EINVAL: case EILSEQ:
    case ENETUNREACH: case EHOSTUNREACH: case EHOSTDOWN:
      return Cause::badPath;
    case EMFILE: case ENFILE:
      return Cause::tooManyOpenFiles;
    case EACCES: case EPERM: case EROFS: case EISDIR:
      return Cause::accessDenied;
    case ENXIO: case ENODEV: case ENOEXEC: case EOPNOTSUPP:
      return Cause::invalidFile;
    case ENOTEMPTY:
      return Cause::removeCurrentDir;
    case EMLINK:
      return Cause::directoryFull;
    case ESPIPE: case EOVERFLOW: case EFBIG:
      return Cause::badSeek;
    case EIO: case ENOMEDIUM: case ECANCELED: case EBADMSG: case EREMOTEIO:
    case EUCLEAN:
      return Cause::hardIO;
    case EAGAIN: case ETXTBSY: case EBUSY:
      return Cause::sharingViolation;
    case ENOLCK: case EDEADLK:
      return Cause::lockViolation;
    case ENOSPC: case EDQUOT:
      return Cause::diskFull;
    default:
      return Cause::generic;
  }
}

// An out-of-range value reads as the generic error rather than past the table.
std::string_view CFileException::MessageTemplate(Cause cause) {
  const auto index = static_cast<std::size_t>(cause);
  return index < kTemplates.size() ? kTemplates[index]
                                   : kTemplates[static_cast<int>(Cause::generic)];
}

// The text the user sees, path filled in.
std::string CFileException::Message() const { return message_; }

// The same text, for code that only knows std::exception.
const char* CFileException::what() const noexcept { return message_.c_str(); }
