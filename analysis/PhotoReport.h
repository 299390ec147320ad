#pragma once
// What the analysis finds in a capture: one plain value, rebuilt on every call.

#include <cstdint>
#include <string>

// How the serial-number step ended.
enum class SerialState {
  FromNoTag,       // a D70: the 8 bytes after "NO=" and a space
  NotGiven,        // no serial number in a known form; go on to the count
  D1SeriesStop,    // D1H, D1X, D100: nothing further is recorded, report ends
  FromPkgTag,      // 20 bytes around "PKG", with the spaces before it
  EditedPhotoStop, // no "PKG" and a JFIF first segment: rewritten, report ends
};

// How the shutter-count step ended.
enum class ShutterState {
  NotSearched, // the report ended at the serial step
  Found,       // the count fields hold the value of the A7 entry
  Absent,      // no A7 00 04 entry in the capture
};

// Every text is single-byte Windows-1252, copied from the capture as it stands.
// Fields after modelFound mean something only when modelFound is true; the three
// count fields only when shutterState is Found.
struct PhotoReport {
  bool modelFound = false;
  std::int32_t modelPosition = 0;   // where "NIKON D" starts
  std::string modelText;            // 7 to 11 bytes from modelPosition, cut at a zero
  bool firmwareFound = false;
  std::string firmwareText;         // 1 to 8 bytes from the first "V", cut at a zero
  SerialState serialState = SerialState::NotGiven;
  std::string serialText;           // zero bytes left out; empty unless FromNoTag/FromPkgTag
  ShutterState shutterState = ShutterState::NotSearched;
  std::string shutterCountHex;      // 6 lower-case hex digits, most significant first
  std::uint32_t shutterCount = 0;   // 0 to 16,777,215
  std::string shutterCountDecimal;  // base 10, no leading zeros

  bool operator==(const PhotoReport&) const = default;
};

// The state's own name ("FromNoTag", "Found", ...), as the text front end prints it.
const char* ToString(SerialState state);
const char* ToString(ShutterState state);
