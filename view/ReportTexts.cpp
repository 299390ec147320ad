#include "ReportTexts.h"

#include "framework/Cp1252.h"

// Each text is written here in UTF-8 for the reader and kept as Windows-1252,
// converted once on first use.
#define TARVONEL6_TEXT(name, utf8)                      \
  const std::string& name() {                           \
    static const std::string text = Utf8ToCp1252(utf8); \
    return text;                                        \
  }

namespace ReportTexts {

TARVONEL6_TEXT(Banner, "Tarvonel for Nikon")
TARVONEL6_TEXT(FirmwareLabel, "Firmware                     ")
TARVONEL6_TEXT(FirmwareMissing, "Firmware Version non précisée")
TARVONEL6_TEXT(SerialShortLabel, "N° de série : ")
TARVONEL6_TEXT(SerialLongLabel, "N° de série :                       ")
TARVONEL6_TEXT(NotGiven, "non précisé")
TARVONEL6_TEXT(Rule, "_")
TARVONEL6_TEXT(CountLabel, "Nombre de déclenchements : ")
TARVONEL6_TEXT(Hex, "hex")
TARVONEL6_TEXT(Equals, "=")
TARVONEL6_TEXT(CountAbsent, "absent du début de cette photo")

const std::string& D1Series(int line) {
  static const std::string lines[] = {
      Utf8ToCp1252("Aucun renseignement supplémentaire."),
      Utf8ToCp1252("n'est disponible sur les boîtiers"),
      Utf8ToCp1252("de la série D1..."),
  };
  return lines[line];
}

const std::string& Edited(int line) {
  static const std::string lines[] = {
      Utf8ToCp1252("Photo modifiée, données incomplètes."),
      Utf8ToCp1252("Utilisez une photo brute"),
      Utf8ToCp1252("et non retouchée..."),
  };
  return lines[line];
}

const std::string& NoModel(int line) {
  static const std::string lines[] = {
      Utf8ToCp1252("Aucun boîtier reflex Nikon"),
      Utf8ToCp1252("reconnu dans ce fichier."),
  };
  return lines[line];
}

}  // namespace ReportTexts
