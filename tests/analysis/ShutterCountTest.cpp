// The shutter-count step: the first A7 00 04 entry, its three value bytes read
// big-endian (or least significant first in a little-endian entry), and the
// hex and decimal texts.

#include "tests/analysis/Analysers.h"
#include "tests/analysis/SampleCaptures.h"
#include "tests/analysis/TestCapture.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace {

// A capture of a model that goes on to the count (no PKG, no J at 6).
TestCapture WithModel(std::size_t size = kCaptureSize) {
  TestCapture capture(size);
  capture.Put(40, "NIKON D90");
  return capture;
}

struct CountRow {
  const char* name;
  std::function<TestCapture()> capture;
  ShutterState state;
  std::string hex;
  std::uint32_t count;
  std::string decimal;
};

TEST(ShutterCount, EntryAndValueBytes) {
  const CountRow rows[] = {
      {"big-endian entry at 1024",
       [] { return WithModel().Put(1024, {0x00, 0xA7, 0x00, 0x04, 0x00, 0x00, 0x00, 0x01, 0x00, 0x01, 0xE2, 0x40}); },
       ShutterState::Found, "01e240", 123456, "123456"},
      {"top byte of the value is dropped",
       [] { return WithModel().Put(1025, {0xA7, 0x00, 0x04, 0, 0, 0, 1, 0x01, 0x00, 0x10, 0x00}); },
       ShutterState::Found, "001000", 4096, "4096"},
      {"value bytes 00 ff 80 90",
       [] { return WithModel().Put(1025, {0xA7, 0x00, 0x04, 0, 0, 0, 1, 0x00, 0xFF, 0x80, 0x90}); },
       ShutterState::Found, "ff8090", 16744592, "16744592"},
      {"zero", [] { return WithModel().Put(1025, {0xA7, 0x00, 0x04}); }, ShutterState::Found,
       "000000", 0, "0"},
      {"largest count",
       [] { return WithModel().Put(1025, {0xA7, 0x00, 0x04, 0, 0, 0, 1, 0x00, 0xFF, 0xFF, 0xFF}); },
       ShutterState::Found, "ffffff", 16777215, "16777215"},
      {"entry at position 0 reads 8 to 10",
       [] { return WithModel().Put(0, {0xA7, 0x00, 0x04, 0, 0, 0, 1, 0, 0x12, 0x34, 0x56}); },
       ShutterState::Found, "123456", 0x123456, "1193046"},
      {"first of two entries",
       [] {
         TestCapture capture = WithModel();
         sample::PutEntry(capture, 3000, 2);
         sample::PutEntry(capture, 2000, 1);
         return capture;
       },
       ShutterState::Found, "000001", 1, "1"},
      {"little-endian entry",
       [] {
         TestCapture capture = WithModel();
         sample::PutLittleEndianEntry(capture, 1700, 8541);
         return capture;
       },
       ShutterState::Found, "00215d", 8541, "8541"},
      {"little-endian, all value bytes set",
       [] { return WithModel().Put(700, {0xA7, 0x00, 0x04, 0x00, 1, 0, 0, 0, 0xFF, 0xFE, 0xFD, 0xFC}); },
       ShutterState::Found, "fdfeff", 0xFDFEFF, "16645887"},
      {"A7 00 04 00 with another count stays big-endian",
       [] { return WithModel().Put(700, {0xA7, 0x00, 0x04, 0x00, 2, 0, 0, 0, 0x5D, 0x21, 0x00}); },
       ShutterState::Found, "5d2100", 0x5D2100, "6103296"},
      {"near-misses only",
       [] { return WithModel().Put(100, {0xA7, 0x00, 0x05, 0xA7, 0x01, 0x04, 0xA6, 0x00, 0x04, 0x00, 0xA7, 0x04}); },
       ShutterState::Absent, "", 0, ""},
      {"no entry", [] { return WithModel(); }, ShutterState::Absent, "", 0, ""},
      {"value bytes past the end of the view read as zero",
       [] { return WithModel(1010).Put(999, {0xA7, 0x00, 0x04, 0, 0, 0, 1, 0, 0x12, 0x34}); },
       ShutterState::Found, "123400", 0x123400, "1192960"},
      {"entry ending at the last byte",
       [] { return WithModel(1000).Put(997, {0xA7, 0x00, 0x04}); }, ShutterState::Found, "000000",
       0, "0"},
      {"entry cut by the end of the view",
       [] { return WithModel(999).Put(997, {0xA7, 0x00}); }, ShutterState::Absent, "", 0, ""},
  };
  for (const auto& row : rows) {
    ForEachAnalyser(row.capture().View(), row.name, [&](const PhotoReport& report) {
      ASSERT_EQ(report.serialState, SerialState::NotGiven);
      EXPECT_EQ(report.shutterState, row.state) << ToString(report.shutterState);
      EXPECT_EQ(report.shutterCountHex, row.hex);
      EXPECT_EQ(report.shutterCount, row.count);
      EXPECT_EQ(report.shutterCountDecimal, row.decimal);
    });
  }
}

}  // namespace
