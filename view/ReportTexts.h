#pragma once
// The fixed texts the view paints, as Windows-1252 bytes (one character cell
// each; trailing spaces are part of the text and fill background cells).

#include <string>

namespace ReportTexts {

const std::string& Banner();            // "Tarvonel for Nikon"
const std::string& FirmwareLabel();     // "Firmware" and 21 spaces
const std::string& FirmwareMissing();   // "Firmware Version non précisée"
const std::string& SerialShortLabel();  // "N° de série : "
const std::string& SerialLongLabel();   // "N° de série :" and 23 spaces
const std::string& NotGiven();          // "non précisé"
const std::string& D1Series(int line);  // lines 0 to 2 of the D1-series message
const std::string& Edited(int line);    // lines 0 to 2 of the edited-photo message
const std::string& Rule();              // "_"
const std::string& CountLabel();        // "Nombre de déclenchements : "
const std::string& Hex();               // "hex"
const std::string& Equals();            // "="
const std::string& NoModel(int line);   // lines 0 and 1: no Nikon reflex recognised
const std::string& CountAbsent();       // the count is not in the photo's first bytes

}  // namespace ReportTexts
