// The causes of file errors: which system errors lead to which cause, and the
// French text the user reads for each.

#include "framework/CFileException.h"

#include <gtest/gtest.h>

#include <cerrno>

namespace {

using Cause = CFileException::Cause;

TEST(FileErrors, SystemErrorsMapToTheCauseTheyMean) {
  struct Row {
    const char* name;
    int osError;
    Cause cause;
  };
  const Row rows[] = {
      {"no error", 0, Cause::none},
      {"missing file or dangling link", ENOENT, Cause::fileNotFound},
      {"invalid handle", EBADF, Cause::fileNotFound},
      {"through a file", ENOTDIR, Cause::badPath},
      {"name too long", ENAMETOOLONG, Cause::badPath},
      {"link loop", ELOOP, Cause::badPath},
      {"process out of descriptors", EMFILE, Cause::tooManyOpenFiles},
      {"system out of descriptors", ENFILE, Cause::tooManyOpenFiles},
      {"permission", EACCES, Cause::accessDenied},
      {"not permitted", EPERM, Cause::accessDenied},
      {"read-only file system", EROFS, Cause::accessDenied},
      {"a folder", EISDIR, Cause::accessDenied},
      {"socket or absent device", ENXIO, Cause::invalidFile},
      {"no such device", ENODEV, Cause::invalidFile},
      {"folder not empty", ENOTEMPTY, Cause::removeCurrentDir},
      {"illegal seek", ESPIPE, Cause::badSeek},
      {"hardware", EIO, Cause::hardIO},
      {"no medium", ENOMEDIUM, Cause::hardIO},
      {"held by another", EAGAIN, Cause::sharingViolation},
      {"busy executable", ETXTBSY, Cause::sharingViolation},
      {"no locks left", ENOLCK, Cause::lockViolation},
      {"disk full", ENOSPC, Cause::diskFull},
      {"quota", EDQUOT, Cause::diskFull},
      {"unknown number", 99999, Cause::generic},
      {"unexpected error", EDOM, Cause::generic},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(CFileException::CauseFromErrno(row.osError), row.cause);
  }
}

TEST(FileErrors, EachCauseHasItsTextWithThePathFilledIn) {
  struct Row {
    int cause;
    const char* text;
  };
  const Row rows[] = {
      {0, "Aucune erreur ne s'est produite."},
      {1, "Une erreur inconnue s'est produite lors de l'accès à /p/a.jpg."},
      {2, "Impossible de trouver /p/a.jpg."},
      {3, "/p/a.jpg contient un chemin non valide."},
      {4, "Impossible d'ouvrir /p/a.jpg car il y a trop de fichiers ouverts."},
      {5, "L'accès à /p/a.jpg a été refusé."},
      {6, "Un descripteur de fichier non valide a été associé à /p/a.jpg."},
      {7, "Impossible d'enlever /p/a.jpg car c'est le répertoire courant."},
      {8, "Impossible de créer /p/a.jpg car le répertoire est plein."},
      {9, "Echec de la recherche sur /p/a.jpg"},
      {10, "Une erreur d'E/S matérielle a été reportée lors de l'accès à /p/a.jpg."},
      {11, "Une violation de partage s'est produite lors de l'accès à /p/a.jpg."},
      {12, "Une violation de verrouillage s'est produite lors de l'accès à /p/a.jpg."},
      {13, "Disque plein lors de l'accès à /p/a.jpg."},
      {14, "Tentative d'accès à /p/a.jpg après sa fin."},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.cause);
    const CFileException error(static_cast<Cause>(row.cause), "/p/a.jpg");
    EXPECT_EQ(error.Message(), row.text);
    EXPECT_STREQ(error.what(), row.text);
  }
}

// A path that itself holds "%1" (or a cause out of range) must not confuse the
// filling in of the text.
TEST(FileErrors, OddPathsAndCausesStayReadable) {
  EXPECT_EQ(CFileException(Cause::fileNotFound, "/p/%1.jpg").Message(),
            "Impossible de trouver /p/%1.jpg.");
  EXPECT_EQ(CFileException(static_cast<Cause>(99), "/p/a.jpg").Message(),
            "Une erreur inconnue s'est produite lors de l'accès à /p/a.jpg.");
}

}  // namespace
