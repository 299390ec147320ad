#pragma once
// A one-line progress counter on standard error for long batches:
// "Analyse : 1234 / 10000", redrawn in place, erased at the end.

#include <chrono>
#include <cstddef>
#include <cstdio>

class Progress {
 public:
  // Draws on `stream` when enabled; otherwise every call does nothing.
  Progress(std::FILE* stream, std::size_t total, bool enabled)
      : stream_(stream), total_(total), enabled_(enabled) {}
  ~Progress() { Clear(); }
  Progress(const Progress&) = delete;
  Progress& operator=(const Progress&) = delete;

  static constexpr std::size_t kMinimumFiles = 100;

  // Whether a batch of `total` files deserves a counter: more than
  // kMinimumFiles of them, standard error a terminal, and standard output not
  // one (the counter would get in the way of the report lines).
  static bool Wanted(std::size_t total);

  // Called after each file; redraws at most ten times a second, and always
  // for the last file.
  void Update(std::size_t done);

  // Erases the line, before an error message is written below it or at the end.
  void Clear();

  bool Enabled() const { return enabled_; }

 private:
  std::FILE* stream_;
  std::size_t total_;
  bool enabled_;
  bool drawn_ = false;
  std::chrono::steady_clock::time_point lastDraw_{};
};
