#include "Progress.h"

#include <unistd.h>

namespace {
constexpr auto kRedrawInterval = std::chrono::milliseconds(100);
}

bool Progress::Wanted(std::size_t total) {
  return total > kMinimumFiles && isatty(STDERR_FILENO) == 1 && isatty(STDOUT_FILENO) == 0;
}

void Progress::Update(std::size_t done) {
  if (!enabled_) return;
  const auto now = std::chrono::steady_clock::now();
  if (drawn_ && done < total_ && now - lastDraw_ < kRedrawInterval) return;
  std::fprintf(stream_, "\rAnalyse : %zu / %zu", done, total_);
  std::fflush(stream_);
  drawn_ = true;
  lastDraw_ = now;
}

void Progress::Clear() {
  if (!drawn_) return;
  std::fputs("\r\033[K", stream_);
  std::fflush(stream_);
  drawn_ = false;
}
