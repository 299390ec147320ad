#include "HelpText.h"

#include "CliOptions.h"
#include "RenderMode.h"

#ifndef TARVONEL6_VERSION
#define TARVONEL6_VERSION "6.0.2.0"
#endif

std::string HelpText() {
  const ImageSize size = kDefaultRenderSize;
  const std::string defaultSize = std::to_string(size.width) + "x" + std::to_string(size.height);
  return "Usage : tarvonel6-cli [--json] FICHIER...\n"
         "        tarvonel6-cli -0 [--json] < liste de chemins séparés par des octets nuls\n"
         "        tarvonel6-cli --render SORTIE.png [--size LxH] [FICHIER]\n"
         "\n"
         "Lit les 4000 premiers octets de chaque photo prise par un reflex Nikon\n"
         "(JPEG ou NEF) et affiche, ligne par ligne comme la fenêtre de Tarvonel6,\n"
         "le modèle du boîtier, la version du firmware, le numéro de série interne\n"
         "et le nombre de déclenchements, en hexadécimal et en décimal.\n"
         "Chaque fichier est traité à part : un échec n'arrête pas les suivants.\n"
         "\n"
         "Options :\n"
         "      --json          un objet JSON par ligne et par fichier, aux clés path,\n"
         "                      loaded, modelFound, modelPosition, modelText,\n"
         "                      firmwareFound, firmwareText, serialState, serialText,\n"
         "                      shutterState, shutterCountHex, shutterCount,\n"
         "                      shutterCountDecimal et, en cas d'échec, error ;\n"
         "                      dans un chemin, chaque octet qui n'est pas de l'UTF-8\n"
         "                      valide est remplacé par U+FFFD\n"
         "  -0, --null          lit les chemins sur l'entrée standard, séparés par des\n"
         "                      octets nuls (find ... -print0 | tarvonel6-cli -0)\n"
         "  -j, --jobs N        lit N fichiers à la fois (par défaut un par processeur,\n"
         "                      " + std::to_string(kMaxDefaultJobs) +
         " au plus) ; les résultats gardent l'ordre de la liste\n"
         "      --render SORTIE.png\n"
         "                      dessine le rapport comme la fenêtre dans une image PNG\n"
         "      --size LxH      taille de cette image en pixels (par défaut " + defaultSize + ")\n"
         "  -h, --help          affiche cette aide et quitte\n"
         "      --version       affiche la version et quitte\n"
         "\n"
         "Code de sortie : 0 si chaque fichier a été lu (un fichier vide compte comme\n"
         "lu), 1 si un fichier n'a pas pu l'être, 2 pour une erreur d'utilisation.\n";
}

std::string VersionText() { return "tarvonel6-cli " TARVONEL6_VERSION "\n"; }

std::string UsageErrorText(const std::string& reason) {
  return "tarvonel6-cli : " + reason + "\nEssayez « tarvonel6-cli --help ».\n";
}
