// The fast analysis against the literal reference, over many captures built
// from the very bytes the analysis looks for (so that matches, near-misses and
// overlaps are common) and over mutations of realistic captures. Fixed seeds:
// a failure names the case that shows it, and reruns the same way.

#include "analysis/AnalyseCapture.h"
#include "analysis/CaptureSearch.h"
#include "tests/analysis/SampleCaptures.h"
#include "tests/analysis/TestCapture.h"
#include "tests/reference/ReferenceAnalysis.h"

#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace {

using namespace std::string_view_literals;

// The pieces that random captures are made of: whole and broken patterns.
constexpr std::string_view kPieces[] = {
    "NIKON D"sv,    "NIKON D70"sv, "NIKON D50"sv,    "NIKON D1X"sv,  "NIKON D100"sv,
    "NIKON D1H"sv,  "NIKON D70s"sv, "NIKON D90\0"sv, "NIKXN D"sv,    "NIKON E"sv,
    "NO="sv,        "NO= 0000253"sv, "NO-"sv,        "PKG"sv,        "PKH"sv,
    "   "sv,        " "sv,          "V"sv,           "Ver.1.00"sv,   "v"sv,
    "J"sv,          "\xA7\x00\x04"sv, "\xA7\x00\x05"sv, "\x01\x00\x00\x00"sv, "\0\0\0\0"sv,
    "\xFF\xE9\x80"sv,
};

// Draws captures and edits them; every draw comes from one seeded generator.
class CaptureMaker {
 public:
  explicit CaptureMaker(unsigned seed) : random_(seed) {}

  // A number from 0 to limit - 1.
  std::size_t Below(std::size_t limit) {
    return std::uniform_int_distribution<std::size_t>(0, limit - 1)(random_);
  }

  // A size: often tiny, often a few hundred bytes, sometimes the whole buffer.
  std::size_t Size() {
    switch (Below(4)) {
      case 0:
        return Below(21);
      case 1:
        return Below(700);
      case 2:
        return 3000 + Below(40);
      default:
        return kCaptureSize;
    }
  }

  // Writes a piece (or one random byte) at a random position, cut at the end.
  void Scatter(std::vector<std::uint8_t>& bytes) {
    if (bytes.empty()) {
      return;
    }
    const std::size_t position = Below(bytes.size());
    const std::string_view piece =
        Below(5) == 0 ? std::string_view() : kPieces[Below(std::size(kPieces))];
    if (piece.empty()) {
      bytes[position] = static_cast<std::uint8_t>(Below(256));
      return;
    }
    for (std::size_t i = 0; i < piece.size() && position + i < bytes.size(); ++i) {
      bytes[position + i] = static_cast<std::uint8_t>(piece[i]);
    }
  }

  // A zero capture of a random size with pieces scattered in it.
  std::vector<std::uint8_t> Random() {
    std::vector<std::uint8_t> bytes(Size(), 0);
    const std::size_t pieces = Below(40);
    for (std::size_t i = 0; i < pieces; ++i) {
      Scatter(bytes);
    }
    return bytes;
  }

  // A realistic capture with a few pieces scattered and sometimes cut short.
  std::vector<std::uint8_t> Mutated(const TestCapture& sample) {
    std::vector<std::uint8_t> bytes(sample.View().begin(), sample.View().end());
    const std::size_t edits = 1 + Below(4);
    for (std::size_t i = 0; i < edits; ++i) {
      Scatter(bytes);
    }
    if (Below(3) == 0) {
      bytes.resize(Below(bytes.size() + 1));
    }
    return bytes;
  }

 private:
  std::mt19937 random_;
};

// A report in one line, for failure messages.
std::string Describe(const PhotoReport& report) {
  std::ostringstream text;
  text << report.modelFound << " " << report.modelPosition << " [" << report.modelText << "] "
       << report.firmwareFound << " [" << report.firmwareText << "] "
       << ToString(report.serialState) << " [" << report.serialText << "] "
       << ToString(report.shutterState) << " " << report.shutterCountHex << " "
       << report.shutterCount << " " << report.shutterCountDecimal;
  return text.str();
}

// Both analyses of bytes, with the case's name in the failure message.
void ExpectSameReport(const std::vector<std::uint8_t>& bytes, const std::string& name) {
  const PhotoReport fast = AnalyseCapture(bytes);
  const PhotoReport reference = ReferenceAnalyseCapture(bytes);
  EXPECT_EQ(fast, reference) << name << " (" << bytes.size() << " bytes)\n fast:      "
                             << Describe(fast) << "\n reference: " << Describe(reference);
}

TEST(FastMatchesReference, RandomCaptures) {
  CaptureMaker maker(20240611);
  for (int i = 0; i < 5000; ++i) {
    ExpectSameReport(maker.Random(), "random capture " + std::to_string(i));
  }
}

TEST(FastMatchesReference, MutatedRealisticCaptures) {
  const std::pair<const char*, std::function<TestCapture()>> samples[] = {
      {"D70", sample::D70},
      {"PKG model", sample::PkgModel},
      {"D1X", sample::D1X},
      {"JFIF edited", sample::JfifEdited},
      {"little-endian", sample::LittleEndian},
      {"near the end", sample::NearTheEnd},
  };
  CaptureMaker maker(777);
  for (const auto& [name, build] : samples) {
    const TestCapture capture = build();
    ExpectSameReport(std::vector<std::uint8_t>(capture.View().begin(), capture.View().end()),
                     name);
    for (int i = 0; i < 600; ++i) {
      ExpectSameReport(maker.Mutated(capture), std::string(name) + " mutation " + std::to_string(i));
    }
  }
}

// Every prefix of 0 to 20 bytes of captures that start with the patterns.
TEST(FastMatchesReference, TinyViews) {
  const std::string_view starts[] = {
      "NIKON D70\0NO= 12345678"sv, "NIKON D90 PKG 123"sv, "NIKON D5\0\xA7\x00\x04\0\x01"sv,
      "   PKGNIKON D1\xA7\x00\x04"sv, "\xFF\xD8\xFF\xE0\0\x10JNIKON D"sv,
  };
  for (const std::string_view start : starts) {
    for (std::size_t size = 0; size <= 20; ++size) {
      std::vector<std::uint8_t> bytes(size, 0);
      std::copy_n(start.begin(), std::min(size, start.size()), bytes.begin());
      ExpectSameReport(bytes, "prefix of " + std::string(start.substr(0, 9)));
    }
  }
}

TEST(FastMatchesReference, Helpers) {
  for (int byte = 0; byte < 256; ++byte) {
    EXPECT_EQ(ByteToHexPair(static_cast<std::uint8_t>(byte)),
              ReferenceByteToHexPair(static_cast<std::uint8_t>(byte)));
  }
  CaptureMaker maker(99);
  const std::string_view patterns[] = {"NIKON D"sv, "NO="sv, "PKG"sv, "\xA7\x00\x04"sv, "NIKON"sv};
  for (int i = 0; i < 3000; ++i) {
    const std::vector<std::uint8_t> bytes = maker.Random();
    const std::string_view pattern = patterns[maker.Below(std::size(patterns))];
    const std::optional<std::int32_t> lastStart =
        maker.Below(2) == 0 ? std::nullopt
                            : std::optional<std::int32_t>(static_cast<std::int32_t>(maker.Below(5100)) - 50);
    EXPECT_EQ(FindPattern(bytes, pattern, lastStart), ReferenceFindPattern(bytes, pattern, lastStart))
        << "case " << i;
    const auto first = static_cast<std::int32_t>(maker.Below(bytes.size() + 60)) - 30;
    const auto count = static_cast<std::int32_t>(maker.Below(60)) - 10;
    std::string fast = "x";
    std::string reference = "x";
    CopyCaptureBytes(fast, bytes, first, count);
    ReferenceCopyCaptureBytes(reference, bytes, first, count);
    EXPECT_EQ(fast, reference) << "case " << i;
    const std::string text(reinterpret_cast<const char*>(bytes.data()), std::min<std::size_t>(bytes.size(), 12));
    EXPECT_EQ(HexTextToInt(text), ReferenceHexTextToInt(text)) << "case " << i;
  }
}

}  // namespace
