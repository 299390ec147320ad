// The serial-number step: the way the model text chooses, the "NO=" and "PKG"
// markers, the run of spaces before "PKG" and the JFIF test at position 6.

#include "tests/analysis/Analysers.h"
#include "tests/analysis/TestCapture.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace {

using namespace std::string_view_literals;

// A capture whose model text is model (followed by a zero byte), at 200.
TestCapture WithModel(std::string_view model) {
  TestCapture capture;
  capture.Put(200, model);
  return capture;
}

struct SerialRow {
  const char* name;
  std::function<TestCapture()> capture;
  SerialState state;
  std::string serialText;
};

// Checks each row's serial state and text on both analyses.
template <std::size_t N>
void ExpectSerials(const SerialRow (&rows)[N]) {
  for (const auto& row : rows) {
    ForEachAnalyser(row.capture().View(), row.name, [&](const PhotoReport& report) {
      EXPECT_EQ(report.serialState, row.state) << ToString(report.serialState);
      EXPECT_EQ(report.serialText, row.serialText);
    });
  }
}

TEST(SerialNumber, TheWayTheModelChooses) {
  const SerialRow rows[] = {
      {"D70: 8 bytes from NO= + 4",
       [] { return WithModel("NIKON D70").Put(500, "NO= ABCDEFGHIJ"); }, SerialState::FromNoTag,
       "ABCDEFGH"},
      {"D70: the byte right after = is not taken",
       [] { return WithModel("NIKON D70").Put(500, "NO=X12345678"); }, SerialState::FromNoTag,
       "12345678"},
      {"D70: zero bytes left out, later bytes kept",
       [] { return WithModel("NIKON D70").Put(500, "NO= AB\0DEFGH"sv); }, SerialState::FromNoTag,
       "ABDEFGH"},
      {"D70: bytes above 0x7f copied unchanged",
       [] { return WithModel("NIKON D70").Put(500, "NO= \xE9\x80\xFF" "12345"); },
       SerialState::FromNoTag, "\xE9\x80\xFF" "12345"},
      {"D70: PKG is not looked for",
       [] { return WithModel("NIKON D70").Put(100, " PKG 1").Put(500, "NO= 00002539"); },
       SerialState::FromNoTag, "00002539"},
      {"D70 without NO=, no J at 6", [] { return WithModel("NIKON D70").Put(6, "Exif"); },
       SerialState::NotGiven, ""},
      {"D70 without NO=, J at 6", [] { return WithModel("NIKON D70").Put(6, "JFIF"); },
       SerialState::EditedPhotoStop, ""},
      {"D50 with NO=", [] { return WithModel("NIKON D50").Put(500, "NO= 00002539"); },
       SerialState::NotGiven, ""},
      {"D50 with J at 6", [] { return WithModel("NIKON D50").Put(6, "JFIF"); },
       SerialState::NotGiven, ""},
      {"D1H", [] { return WithModel("NIKON D1H").Put(50, "PKG"); }, SerialState::D1SeriesStop, ""},
      {"D1X", [] { return WithModel("NIKON D1X").Put(6, "J"); }, SerialState::D1SeriesStop, ""},
      {"D100", [] { return WithModel("NIKON D100"); }, SerialState::D1SeriesStop, ""},
      {"longer than D70 takes the PKG way", [] { return WithModel("NIKON D70s").Put(6, "J"); },
       SerialState::EditedPhotoStop, ""},
      {"shorter than D70 takes the PKG way",
       [] { return WithModel("NIKON D7").Put(500, "NO= 00002539"); }, SerialState::NotGiven, ""},
      {"model with a character after a zero is cut there",
       [] { return WithModel("NIKON D50\0X"sv); }, SerialState::NotGiven, ""},
  };
  ExpectSerials(rows);
}

TEST(SerialNumber, PkgMarkerAndTheSpacesBeforeIt) {
  const SerialRow rows[] = {
      {"three spaces before PKG",
       [] { return WithModel("NIKON D200").Put(1000, "   PKG 0123456789ABCDEF"); },
       SerialState::FromPkgTag, "   PKG 0123456789ABC"},
      {"PKG right after another byte",
       [] { return WithModel("NIKON D200").Put(999, "xPKG 0123456789ABCDEF"); },
       SerialState::FromPkgTag, "PKG 0123456789ABCDEF"},
      {"spaces from position 0",
       [] { return WithModel("NIKON D200").Fill(0, 4, ' ').Put(4, "PKG 12"); },
       SerialState::FromPkgTag, "    PKG 12"},
      {"PKG at position 0", [] { return WithModel("NIKON D200").Put(0, "PKG 12"); },
       SerialState::FromPkgTag, "PKG 12"},
      {"zero bytes left out", [] { return WithModel("NIKON D200").Put(900, " PKG\0\0 1\0 2"sv); },
       SerialState::FromPkgTag, " PKG 1 2"},
      {"PKG and J at 6", [] { return WithModel("NIKON D200").Put(6, "J").Put(700, "PKG"); },
       SerialState::FromPkgTag, "PKG"},
      {"PKG at 3000 is found", [] { return WithModel("NIKON D200").Put(3000, "PKG"); },
       SerialState::FromPkgTag, "PKG"},
      {"PKG from 3001 is not", [] { return WithModel("NIKON D200").Put(3001, "PKG"); },
       SerialState::NotGiven, ""},
      {"PKG from 3001 and J at 6",
       [] { return WithModel("NIKON D200").Put(6, "J").Put(3001, "PKG"); },
       SerialState::EditedPhotoStop, ""},
      {"no P at all, J at 6", [] { return WithModel("NIKON D3").Put(6, "J"); },
       SerialState::EditedPhotoStop, ""},
      {"near-misses PKH and PQG",
       [] { return WithModel("NIKON D3").Put(10, "PKH PQG pkg"); }, SerialState::NotGiven, ""},
  };
  ExpectSerials(rows);
}

// Runs of spaces of every length around the 64-byte steps in which the fast
// analysis walks back: the serial starts exactly where the run starts.
TEST(SerialNumber, SpaceRunsOfAnyLength) {
  for (const std::size_t run : {1, 2, 19, 20, 21, 63, 64, 65, 127, 128, 129, 600}) {
    const std::size_t pkg = 2000;
    TestCapture capture = WithModel("NIKON D200");
    capture.Put(pkg - run - 1, "x").Fill(pkg - run, run, ' ').Put(pkg, "PKG 1234567890");
    const std::string expected =
        (std::string(run, ' ') + "PKG 1234567890").substr(0, 20);
    ForEachAnalyser(capture.View(), std::to_string(run) + " spaces", [&](const PhotoReport& report) {
      EXPECT_EQ(report.serialState, SerialState::FromPkgTag);
      EXPECT_EQ(report.serialText, expected);
    });
  }
}

}  // namespace
