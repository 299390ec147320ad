#include "ReportCases.h"

#include "framework/Cp1252.h"

#include <cstring>
#include <stdexcept>

namespace viewtests {
namespace {

using namespace colour;

// A capture of zeros with each piece of bytes placed at its position.
struct Piece {
  std::size_t position;
  std::string bytes;
};
Capture MakeCapture(std::initializer_list<Piece> pieces) {
  Capture capture{};
  for (const Piece& piece : pieces) {
    std::memcpy(capture.data() + piece.position, piece.bytes.data(), piece.bytes.size());
  }
  return capture;
}

// The shutter-count entry 00 A7 | 00 04 | 00 00 00 01 | 00 and the three count
// bytes, as a camera's maker note holds it.
std::string CountEntry(std::uint8_t high, std::uint8_t mid, std::uint8_t low) {
  return std::string("\x00\xA7\x00\x04\x00\x00\x00\x01\x00", 9) +
         std::string{static_cast<char>(high), static_cast<char>(mid), static_cast<char>(low)};
}

// The model, firmware and serial lines of a photo with a firmware version.
std::vector<PlacedText> Identity(const char* model, const char* serialLabel, const char* serial) {
  return {Text(20, 30, kYellow, model), Text(20, 70, kYellow, "Firmware                     "),
          Text(180, 70, kYellow, "Ver.2.00"), Text(20, 115, kYellow, serialLabel),
          Text(200, 115, kYellow, serial)};
}

// The rule of 531 underscores and the count label.
void AppendRule(std::vector<PlacedText>& texts) {
  for (int x = 20; x <= 550; ++x) texts.push_back(Text(x, 150, kYellow, "_"));
  texts.push_back(Text(20, 220, kWhite, "Nombre de déclenchements : "));
}

void AppendCount(std::vector<PlacedText>& texts, const char* hex, const char* decimal) {
  AppendRule(texts);
  texts.push_back(Text(20, 260, kWhite, "hex"));
  texts.push_back(Text(80, 260, kWhite, hex));
  texts.push_back(Text(220, 260, kWhite, "="));
  texts.push_back(Text(270, 260, kLightGreen, decimal));
}

constexpr const char* kShortLabel = "N° de série : ";
constexpr const char* kLongLabel = "N° de série :                       ";

std::vector<ReportCase> BuildCases() {
  std::vector<ReportCase> cases;

  // A D70 JPEG: Exif first, model then firmware close after it, "NO= " and the
  // serial in the maker note, the count entry after it.
  const Capture d70 = MakeCapture({{6, "Exif"}, {200, "NIKON D70"}, {226, "Ver.2.00"},
                                   {900, "NO= 00041852"}, {1024, CountEntry(0x01, 0xE2, 0x40)}});
  auto texts = Identity("NIKON D70", kShortLabel, "00041852");
  AppendCount(texts, "01e240", "123456");
  cases.push_back({"FromNoTag", d70, texts});

  const Capture pkg = MakeCapture({{6, "JFIF"}, {200, "NIKON D200"}, {226, "Ver.2.00"},
                                   {996, "    PKG 0123456789"}, {1500, CountEntry(0, 0, 7)}});
  texts = Identity("NIKON D200", kLongLabel, "    PKG 0123456789");
  AppendCount(texts, "000007", "7");
  cases.push_back({"FromPkgTag", pkg, texts});

  const Capture d50 = MakeCapture({{6, "JFIF"}, {200, "NIKON D50"}, {226, "Ver.2.00"},
                                   {1500, CountEntry(0xFF, 0xFF, 0xFF)}});
  texts = Identity("NIKON D50", kLongLabel, "non précisé");
  AppendCount(texts, "ffffff", "16777215");
  cases.push_back({"NotGiven", d50, texts});

  const Capture d1x = MakeCapture({{200, "NIKON D1X"}, {226, "Ver.2.00"},
                                   {1500, CountEntry(0, 0, 9)}});
  texts = Identity("NIKON D1X", kLongLabel, "non précisé");
  texts.push_back(Text(25, 185, kLightRed, "Aucun renseignement supplémentaire."));
  texts.push_back(Text(80, 220, kLightRed, "n'est disponible sur les boîtiers"));
  texts.push_back(Text(180, 255, kLightRed, "de la série D1..."));
  cases.push_back({"D1SeriesStop", d1x, texts});

  const Capture edited = MakeCapture({{6, "JFIF"}, {200, "NIKON D90"}, {226, "Ver.2.00"},
                                      {1500, CountEntry(0, 0, 9)}});
  texts = Identity("NIKON D90", kLongLabel, "non précisé");
  texts.push_back(Text(20, 180, kRed, "Photo modifiée, données incomplètes."));
  texts.push_back(Text(100, 240, kWhite, "Utilisez une photo brute"));
  texts.push_back(Text(150, 275, kWhite, "et non retouchée..."));
  cases.push_back({"EditedPhotoStop", edited, texts});

  const Capture absent = MakeCapture({{200, "NIKON D70"}, {226, "Ver.2.00"},
                                      {900, "NO= 00041852"}});
  texts = Identity("NIKON D70", kShortLabel, "00041852");
  AppendRule(texts);
  texts.push_back(Text(20, 260, kLightRed, "absent du début de cette photo"));
  cases.push_back({"Absent", absent, texts});

  const Capture noModel = MakeCapture({{6, "JFIF"}, {200, "NIKON d70 Ver.2.00"}});
  cases.push_back({"NoModel", noModel,
                   {Text(20, 30, kYellow, "Aucun boîtier reflex Nikon"),
                    Text(20, 70, kYellow, "reconnu dans ce fichier.")}});

  // The serial bytes after "NO= " are all zero: the label and nothing beside it.
  const Capture emptySerial = MakeCapture({{200, "NIKON D70"}, {226, "Ver.2.00"}, {900, "NO= "},
                                           {1024, CountEntry(0, 0, 0)}});
  texts = Identity("NIKON D70", kShortLabel, "");
  AppendCount(texts, "000000", "0");
  cases.push_back({"EmptySerial", emptySerial, texts});

  const Capture noFirmware = MakeCapture({{200, "NIKON D50"}, {1500, CountEntry(0, 0, 1)}});
  texts = {Text(20, 30, kYellow, "NIKON D50"), Text(20, 70, kYellow, "Firmware Version non précisée"),
           Text(20, 115, kYellow, kLongLabel), Text(200, 115, kYellow, "non précisé")};
  AppendCount(texts, "000001", "1");
  cases.push_back({"NoFirmware", noFirmware, texts});

  return cases;
}

}  // namespace

PlacedText Text(int x, int y, Rgb colour, const char* utf8) {
  return {x, y, colour, Utf8ToCp1252(utf8)};
}

const std::vector<ReportCase>& ReportCases() {
  static const std::vector<ReportCase> cases = BuildCases();
  return cases;
}

const ReportCase& CaseNamed(const std::string& name) {
  for (const ReportCase& c : ReportCases()) {
    if (c.name == name) return c;
  }
  throw std::invalid_argument("no report case " + name);
}

std::vector<PlacedText> ExpectedBanner() {
  const Rgb colours[12] = {{248, 253, 0}, {221, 243, 0}, {195, 233, 0}, {168, 223, 0},
                           {141, 213, 0}, {115, 203, 0}, {88, 193, 0},  {61, 183, 0},
                           {35, 173, 0},  {8, 163, 0},   {238, 153, 0}, {211, 143, 0}};
  std::vector<PlacedText> banner;
  for (int line = 0; line < 12; ++line) {
    const int i = 10 + 40 * line;
    banner.push_back(Text(i, i, colours[line], "Tarvonel for Nikon"));
  }
  return banner;
}

}  // namespace viewtests
