#pragma once
// Building captures for the analysis tests and benchmark: a zero-filled
// capture of any size with chosen bytes put at chosen positions.

#include "analysis/Capture.h"

#include <cstdint>
#include <initializer_list>
#include <string_view>
#include <vector>

// A capture under construction. Put throws std::out_of_range when the bytes do
// not fit, so that a mistyped position fails the test instead of vanishing.
class TestCapture {
 public:
  explicit TestCapture(std::size_t size = kCaptureSize) : bytes_(size, 0) {}

  // Writes the bytes of text (embedded zeros included) from position on.
  TestCapture& Put(std::size_t position, std::string_view text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
      bytes_.at(position + i) = static_cast<std::uint8_t>(text[i]);
    }
    return *this;
  }

  // Writes the listed byte values from position on.
  TestCapture& Put(std::size_t position, std::initializer_list<std::uint8_t> bytes) {
    for (const std::uint8_t byte : bytes) {
      bytes_.at(position++) = byte;
    }
    return *this;
  }

  // Writes count copies of byte from position on.
  TestCapture& Fill(std::size_t position, std::size_t count, std::uint8_t byte) {
    for (std::size_t i = 0; i < count; ++i) {
      bytes_.at(position + i) = byte;
    }
    return *this;
  }

  CaptureView View() const { return bytes_; }
  std::vector<std::uint8_t>& Bytes() { return bytes_; }

 private:
  std::vector<std::uint8_t> bytes_;
};
